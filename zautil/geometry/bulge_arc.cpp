#include "geometry/bulge_arc.h"

#include <cmath>

#include "arx/acedads.h"
#include "geometry/plan_geometry.h"
#include "geometry/host_point.h"

namespace {

bool finite(const ZaPoint& p) { return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]); }

// As the host measures it, from 0 up to a full turn.
double angleFrom(const ZaPoint& from, const ZaPoint& to) { return acutAngle(zageometry::HostPoint(from), zageometry::HostPoint(to)); }

}  // namespace

ZaArcCentre CalcArc(const ZaPoint& p1, const ZaPoint& p2, double bulge) {
    const double h = 2 * std::atan(bulge);
    const double dx = p2[0] - p1[0];
    const double dy = p2[1] - p1[1];
    const double k = std::cos(h) / (2 * std::sin(h));
    ZaArcCentre arc;
    arc.centre = {(p1[0] + p2[0]) * 0.5 - k * dy, (p1[1] + p2[1]) * 0.5 + k * dx, p1[2]};
    arc.radius = std::hypot(dx, dy) / std::fabs(2 * std::sin(h));
    return arc;
}

ZaPoint zaBulgeMidpoint(const ZaPoint& p1, const ZaPoint& p2, double bulge) {
    const double h = 2 * std::atan(bulge);
    const double m = (std::cos(h) - 1) / (2 * std::sin(h));
    return {(p1[0] + p2[0]) * 0.5 - m * (p2[1] - p1[1]), (p1[1] + p2[1]) * 0.5 + m * (p2[0] - p1[0]), p1[2]};
}

double zaHalfBulge(double bulge) { return std::tan(2 * std::atan(bulge) / 4); }

double zaBulgeArcLength(const ZaPoint& p1, const ZaPoint& p2, double bulge) {
    return CalcArc(p1, p2, bulge).radius * 4 * std::fabs(std::atan(bulge));
}

ZaPoint zaArcTangentsMeet(const ZaPoint& p1, const ZaPoint& p2, const ZaPoint& centre) {
    // Each tangent runs through its end and that end plus the radius turned
    // a quarter clockwise.
    const auto turned = [&](const ZaPoint& p) {
        return ZaPoint{centre[1] + p[0] - p[1], p[1] + p[0] - centre[0], p[2]};
    };
    return zaLinesMeet(p1, turned(p1), p2, turned(p2));
}

std::optional<ZaArc> zaBulgeArc(const ZaPoint& p1, const ZaPoint& p2, double bulge) {
    if (bulge == 0 || !std::isfinite(bulge)) return std::nullopt;
    if (p1[0] == p2[0] && p1[1] == p2[1]) return std::nullopt;
    const ZaArcCentre found = CalcArc(p1, p2, bulge);
    if (!finite(found.centre) || !std::isfinite(found.radius)) return std::nullopt;
    ZaArc arc;
    arc.centre = found.centre;
    arc.radius = found.radius;
    const bool counterClockwise = bulge > 0;
    arc.start = angleFrom(found.centre, counterClockwise ? p1 : p2);
    arc.end = angleFrom(found.centre, counterClockwise ? p2 : p1);
    if (arc.end < arc.start) arc.end += kZaFullTurn;
    arc.direction = counterClockwise ? 1 : -1;
    return arc;
}

ZaArc zaEntityArc(const ZaPoint& centre, double radius, double startAngle, double endAngle) {
    ZaArc arc;
    arc.centre = centre;
    arc.radius = radius;
    arc.start = startAngle;
    arc.end = endAngle < startAngle ? endAngle + kZaFullTurn : endAngle;
    return arc;
}
