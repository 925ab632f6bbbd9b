// The builders for the entity kinds the commands draw, each list built at
// its first use and kept for the next: a command that draws thousands of
// lines, points or faces holds one maker for the whole run.
#pragma once

#include <span>
#include <string_view>

#include "geometry/point.h"
#include "shell/entity_gate.h"

class ZaEntityMaker {
public:
    // Each true when the host made the entity. Angles in radians,
    // counter-clockwise from start to end.
    bool line(const ZaPoint& start, const ZaPoint& end, std::string_view layer, double thickness = 0);
    bool arc(const ZaPoint& centre, double radius, double startAngle, double endAngle, std::string_view layer,
             double thickness = 0);
    bool circle(const ZaPoint& centre, double radius, std::string_view layer, double thickness = 0);
    bool point(const ZaPoint& at, std::string_view layer);
    // Corners in order; a triangle repeats its third corner as the fourth.
    bool face(std::span<const ZaPoint, 4> corners, std::string_view layer);
    // With its invisible edges in group 70: 1, 2, 4 and 8 hide the edges
    // that start at the first to the fourth corner.
    bool face(std::span<const ZaPoint, 4> corners, std::string_view layer, short invisibleEdges);
    bool solid(std::span<const ZaPoint, 4> corners, std::string_view layer);

    // POLYLINE, VERTEX..., SEQEND. A first point repeated (in x and y) at the
    // end closes the polyline instead of being written again. Fewer than two
    // points are refused; a failure part-way leaves no open sequence behind.
    bool polyline(std::span<const ZaPoint> points, std::string_view layer, bool is3d);

    // A polyface mesh, one element at a time: the header with the counts,
    // every vertex, every face, then seqend(). A face names 3 or 4 vertices
    // by number from 1, negated where the edge that starts at that vertex is
    // hidden. The numbers are 16-bit: a count or a number outside 1 to
    // 32,767 is refused here rather than written wrapped. After a refusal
    // the caller drops the open sequence (zaCancelSequence).
    static constexpr int kPolyfaceLimit = 32767;
    bool polyfaceHeader(int vertices, int faces, std::string_view layer);
    bool polyfaceVertex(const ZaPoint& at, std::string_view layer);
    bool polyfaceFace(std::span<const int> vertices, std::string_view layer);
    // The end of any sequence.
    bool seqend(std::string_view layer);

private:
    bool corners(ZaEntityList& list, const char* type, std::span<const ZaPoint, 4> corners, std::string_view layer);
    ZaEntityList& header(bool is3d, bool closed);

    ZaEntityList line_;
    ZaEntityList arc_;
    ZaEntityList circle_;
    ZaEntityList point_;
    ZaEntityList face_;
    ZaEntityList flaggedFace_;
    ZaEntityList solid_;
    std::array<ZaEntityList, 4> headers_;  // 2D and 3D, open and closed
    std::array<ZaEntityList, 2> vertices_;  // 2D and 3D
    ZaEntityList seqend_;
    ZaEntityList polyfaceHeader_;
    ZaEntityList polyfaceVertex_;
    std::array<ZaEntityList, 2> polyfaceFaces_;  // of 3 and of 4 vertices
};
