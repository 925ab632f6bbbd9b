#include "shell/entity_create.h"

#include <string_view>

#include "arx/acedads.h"
#include "drawing/entity_list.h"

namespace {

std::string_view nameOf(const char* layer) { return layer ? layer : ""; }

ZaPoint pointOf(const ads_point p) { return {p[0], p[1], p[2]}; }

}  // namespace

bool zaCreateEntity(resbuf* list) {
    const zadrawing::EntityList held(list);
    return held && zaEnterEntity(held.get());
}

bool zaMakePolyline(std::span<const ZaPoint> points, const char* layer) {
    return ZaEntityMaker().polyline(points, nameOf(layer), false);
}

bool zaMake3DPolyline(std::span<const ZaPoint> points, const char* layer) {
    return ZaEntityMaker().polyline(points, nameOf(layer), true);
}

void zaMakeLine(const ads_point start, const ads_point end, const char* layer, double thickness) {
    ZaEntityMaker().line(pointOf(start), pointOf(end), nameOf(layer), thickness);
}

void zaMakeArc(const ads_point centre, double radius, double startAngle, double endAngle, const char* layer,
               double thickness) {
    ZaEntityMaker().arc(pointOf(centre), radius, startAngle, endAngle, nameOf(layer), thickness);
}

void zaMakeCircle(const ads_point centre, double radius, const char* layer, double thickness) {
    ZaEntityMaker().circle(pointOf(centre), radius, nameOf(layer), thickness);
}

void zaMakePoint(const ads_point point, const char* layer) { ZaEntityMaker().point(pointOf(point), nameOf(layer)); }
