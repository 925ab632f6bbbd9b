#include "shell/entity_create.h"

#include <algorithm>

#include "arx/acedads.h"
#include "shell/entity_dump.h"
#include "shell/za_trace.h"

namespace {

// The trace sink drops every line; spelling out each list of an import of
// millions would cost more than making the entities, so it stays off unless
// a developer is chasing a list the host refuses.
constexpr bool kTraceEntityLists = false;

bool enter(const resbuf* list) {
    if constexpr (kTraceEntityLists) zaTrace(zaDumpList(list).c_str());
    return acdbEntMake(list) == RTNORM;
}

// An entity-make with no list drops whatever sequence an earlier failure
// left open.
void cancelSequence() { acdbEntMake(nullptr); }

resbuf* groupOf(resbuf* list, int code) {
    while (list && list->restype != code) list = list->rbnext;
    return list;
}

// A polyline of two points is a segment even when they share x and y (a
// vertical 3D segment): closing it would throw its second point away.
bool closes(std::span<const ZaPoint> points) {
    const ZaPoint& first = points.front();
    const ZaPoint& last = points.back();
    return points.size() > 2 && first[0] == last[0] && first[1] == last[1];
}

resbuf* polylineHeader(const char* layer, bool is3d, bool closed) {
    if (is3d && closed) return acutBuildList(RTDXF0, "POLYLINE", 8, layer, 66, 1, 70, 9, 0);
    if (is3d) return acutBuildList(RTDXF0, "POLYLINE", 8, layer, 70, 8, 0);
    if (closed) return acutBuildList(RTDXF0, "POLYLINE", 8, layer, 66, 1, 70, 1, 0);
    return acutBuildList(RTDXF0, "POLYLINE", 8, layer, 0);
}

// One list serves every vertex, its point rewritten in place: a string of
// thousands of vertices costs one allocation, not thousands.
bool makeVertices(std::span<const ZaPoint> points, const char* layer, bool is3d) {
    resbuf* vertex = is3d ? acutBuildList(RTDXF0, "VERTEX", 8, layer, 10, points[0].data(), 70, 32, 0)
                          : acutBuildList(RTDXF0, "VERTEX", 8, layer, 10, points[0].data(), 0);
    if (!vertex) return false;
    resbuf* at = groupOf(vertex, 10);
    const bool made = std::all_of(points.begin(), points.end(), [&](const ZaPoint& p) {
        std::copy(p.begin(), p.end(), at->resval.rpoint);
        return enter(vertex);
    });
    acutRelRb(vertex);
    return made;
}

bool makePolyline(std::span<const ZaPoint> points, const char* layer, bool is3d) {
    cancelSequence();
    if (points.size() < 2) return false;
    const bool closed = closes(points);
    const auto written = closed ? points.first(points.size() - 1) : points;
    if (!zaCreateEntity(polylineHeader(layer, is3d, closed))) return false;
    if (makeVertices(written, layer, is3d) && zaCreateEntity(acutBuildList(RTDXF0, "SEQEND", 8, layer, 0))) return true;
    cancelSequence();
    return false;
}

}  // namespace

bool zaCreateEntity(resbuf* list) {
    if (!list) return false;
    const bool made = enter(list);
    acutRelRb(list);
    return made;
}

bool zaMakePolyline(std::span<const ZaPoint> points, const char* layer) { return makePolyline(points, layer, false); }

bool zaMake3DPolyline(std::span<const ZaPoint> points, const char* layer) { return makePolyline(points, layer, true); }

void zaMakeLine(const ads_point start, const ads_point end, const char* layer, double thickness) {
    zaCreateEntity(acutBuildList(RTDXF0, "line", 8, layer, 10, start, 11, end, 39, thickness, 0));
}

void zaMakeArc(const ads_point centre, double radius, double startAngle, double endAngle, const char* layer,
               double thickness) {
    zaCreateEntity(acutBuildList(RTDXF0, "arc", 8, layer, 10, centre, 40, radius, 39, thickness, 50, startAngle, 51,
                                 endAngle, 0));
}

void zaMakeCircle(const ads_point centre, double radius, const char* layer, double thickness) {
    zaCreateEntity(acutBuildList(RTDXF0, "circle", 10, centre, 40, radius, 8, layer, 39, thickness, 0));
}

void zaMakePoint(const ads_point point, const char* layer) {
    zaCreateEntity(acutBuildList(RTDXF0, "point", 8, layer, 10, point, 0));
}
