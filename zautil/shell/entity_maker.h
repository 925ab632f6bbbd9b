// The builders for the entity kinds the commands draw, each list built at
// its first use and kept for the next: a command that draws thousands of
// lines, points or faces holds one maker for the whole run.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "shell/entity_gate.h"

// x, y, z in drawing units; a vector of these is a contiguous run of triples.
using ZaPoint = std::array<double, 3>;

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
    bool solid(std::span<const ZaPoint, 4> corners, std::string_view layer);

    // POLYLINE, VERTEX..., SEQEND. A first point repeated (in x and y) at the
    // end closes the polyline instead of being written again. Fewer than two
    // points are refused; a failure part-way leaves no open sequence behind.
    bool polyline(std::span<const ZaPoint> points, std::string_view layer, bool is3d);

private:
    bool corners(ZaEntityList& list, const char* type, std::span<const ZaPoint, 4> corners, std::string_view layer);
    ZaEntityList& header(bool is3d, bool closed);

    ZaEntityList line_;
    ZaEntityList arc_;
    ZaEntityList circle_;
    ZaEntityList point_;
    ZaEntityList face_;
    ZaEntityList solid_;
    std::array<ZaEntityList, 4> headers_;  // 2D and 3D, open and closed
    std::array<ZaEntityList, 2> vertices_;  // 2D and 3D
    ZaEntityList seqend_;
};
