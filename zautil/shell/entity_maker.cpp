#include "shell/entity_maker.h"

#include <string>

#include "arx/acedads.h"

namespace {

// Group 8 starts with room for the longest name the suite's tables hold.
const std::string kLayerRoom(31, ' ');
constexpr ads_point kOrigin = {0, 0, 0};

// A polyline of two points is a segment even when they share x and y (a
// vertical 3D segment): closing it would throw its second point away.
bool closes(std::span<const ZaPoint> points) {
    const ZaPoint& first = points.front();
    const ZaPoint& last = points.back();
    return points.size() > 2 && first[0] == last[0] && first[1] == last[1];
}

}  // namespace

bool ZaEntityMaker::line(const ZaPoint& start, const ZaPoint& end, std::string_view layer, double thickness) {
    return zaKeptList(line_, [] {
               return acutBuildList(RTDXF0, "line", 8, kLayerRoom.c_str(), 10, kOrigin, 11, kOrigin, 39, 0.0, 0);
           })
        .text(8, layer)
        .point(10, start)
        .point(11, end)
        .real(39, thickness)
        .make();
}

bool ZaEntityMaker::arc(const ZaPoint& centre, double radius, double startAngle, double endAngle,
                        std::string_view layer, double thickness) {
    return zaKeptList(arc_, [] {
               return acutBuildList(RTDXF0, "arc", 8, kLayerRoom.c_str(), 10, kOrigin, 40, 0.0, 39, 0.0, 50, 0.0, 51,
                                    0.0, 0);
           })
        .text(8, layer)
        .point(10, centre)
        .real(40, radius)
        .real(39, thickness)
        .real(50, startAngle)
        .real(51, endAngle)
        .make();
}

bool ZaEntityMaker::circle(const ZaPoint& centre, double radius, std::string_view layer, double thickness) {
    return zaKeptList(circle_, [] {
               return acutBuildList(RTDXF0, "circle", 10, kOrigin, 40, 0.0, 8, kLayerRoom.c_str(), 39, 0.0, 0);
           })
        .point(10, centre)
        .real(40, radius)
        .text(8, layer)
        .real(39, thickness)
        .make();
}

bool ZaEntityMaker::point(const ZaPoint& at, std::string_view layer) {
    return zaKeptList(point_, [] { return acutBuildList(RTDXF0, "point", 8, kLayerRoom.c_str(), 10, kOrigin, 0); })
        .text(8, layer)
        .point(10, at)
        .make();
}

bool ZaEntityMaker::corners(ZaEntityList& list, const char* type, std::span<const ZaPoint, 4> at,
                            std::string_view layer) {
    zaKeptList(list, [type] {
        return acutBuildList(RTDXF0, type, 8, kLayerRoom.c_str(), 10, kOrigin, 11, kOrigin, 12, kOrigin, 13, kOrigin,
                             0);
    }).text(8, layer);
    for (int i = 0; i < 4; ++i) list.point(10 + i, at[static_cast<std::size_t>(i)]);
    return list.make();
}

bool ZaEntityMaker::face(std::span<const ZaPoint, 4> at, std::string_view layer) {
    return corners(face_, "3DFACE", at, layer);
}

bool ZaEntityMaker::face(std::span<const ZaPoint, 4> at, std::string_view layer, short invisibleEdges) {
    zaKeptList(flaggedFace_, [] {
        return acutBuildList(RTDXF0, "3DFACE", 8, kLayerRoom.c_str(), 10, kOrigin, 11, kOrigin, 12, kOrigin, 13,
                             kOrigin, 70, 0, 0);
    });
    return corners(flaggedFace_.integer(70, invisibleEdges), "3DFACE", at, layer);
}

bool ZaEntityMaker::solid(std::span<const ZaPoint, 4> at, std::string_view layer) {
    return corners(solid_, "SOLID", at, layer);
}

ZaEntityList& ZaEntityMaker::header(bool is3d, bool closed) {
    const char* room = kLayerRoom.c_str();
    return zaKeptList(headers_[(is3d ? 2 : 0) + (closed ? 1 : 0)], [=] {
        if (is3d && closed) return acutBuildList(RTDXF0, "POLYLINE", 8, room, 66, 1, 70, 9, 0);
        if (is3d) return acutBuildList(RTDXF0, "POLYLINE", 8, room, 70, 8, 0);
        if (closed) return acutBuildList(RTDXF0, "POLYLINE", 8, room, 66, 1, 70, 1, 0);
        return acutBuildList(RTDXF0, "POLYLINE", 8, room, 0);
    });
}

bool ZaEntityMaker::polyline(std::span<const ZaPoint> points, std::string_view layer, bool is3d) {
    zaCancelSequence();
    if (points.size() < 2) return false;
    const bool closed = closes(points);
    const auto written = closed ? points.first(points.size() - 1) : points;
    if (!header(is3d, closed).text(8, layer).make()) return false;
    ZaEntityList& vertex = zaKeptList(vertices_[is3d ? 1 : 0], [is3d] {
        return is3d ? acutBuildList(RTDXF0, "VERTEX", 8, kLayerRoom.c_str(), 10, kOrigin, 70, 32, 0)
                    : acutBuildList(RTDXF0, "VERTEX", 8, kLayerRoom.c_str(), 10, kOrigin, 0);
    });
    vertex.text(8, layer);
    for (const ZaPoint& p : written) {
        if (!vertex.point(10, p).make()) {
            zaCancelSequence();
            return false;
        }
    }
    if (seqend(layer)) return true;
    zaCancelSequence();
    return false;
}

bool ZaEntityMaker::seqend(std::string_view layer) {
    return zaKeptList(seqend_, [] { return acutBuildList(RTDXF0, "SEQEND", 8, kLayerRoom.c_str(), 0); })
        .text(8, layer)
        .make();
}

bool ZaEntityMaker::polyfaceHeader(int vertices, int faces, std::string_view layer) {
    if (vertices < 0 || vertices > kPolyfaceLimit || faces < 0 || faces > kPolyfaceLimit) return false;
    return zaKeptList(polyfaceHeader_, [] {
               return acutBuildList(RTDXF0, "POLYLINE", 8, kLayerRoom.c_str(), 66, 1, 10, kOrigin, 70, 64, 71, 0, 72,
                                    0, 0);
           })
        .text(8, layer)
        .integer(71, static_cast<short>(vertices))
        .integer(72, static_cast<short>(faces))
        .make();
}

bool ZaEntityMaker::polyfaceVertex(const ZaPoint& at, std::string_view layer) {
    return zaKeptList(polyfaceVertex_,
                [] { return acutBuildList(RTDXF0, "VERTEX", 8, kLayerRoom.c_str(), 10, kOrigin, 70, 192, 0); })
        .text(8, layer)
        .point(10, at)
        .make();
}

bool ZaEntityMaker::polyfaceFace(std::span<const int> vertices, std::string_view layer) {
    if (vertices.size() != 3 && vertices.size() != 4) return false;
    for (const int v : vertices) {
        if (v == 0 || v < -kPolyfaceLimit || v > kPolyfaceLimit) return false;
    }
    const bool quad = vertices.size() == 4;
    ZaEntityList& list = zaKeptList(polyfaceFaces_[quad ? 1 : 0], [quad] {
        const char* room = kLayerRoom.c_str();
        if (quad) return acutBuildList(RTDXF0, "VERTEX", 8, room, 10, kOrigin, 70, 128, 71, 1, 72, 1, 73, 1, 74, 1, 0);
        return acutBuildList(RTDXF0, "VERTEX", 8, room, 10, kOrigin, 70, 128, 71, 1, 72, 1, 73, 1, 0);
    });
    list.text(8, layer);
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        list.integer(71 + static_cast<int>(i), static_cast<short>(vertices[i]));
    }
    return list.make();
}
