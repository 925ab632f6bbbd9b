// Circles, arcs, ellipses and splines.
#include "geometry.h"

namespace zcad::shapes {

namespace {

// Brings `end` into (start, start + 2 pi]; equal angles make a full turn.
double sweepEnd(double start, double end) {
    double e = start + std::fmod(end - start, kTwoPi);
    if (e <= start) e += kTwoPi;
    return e;
}

void addCircular(const EntityRecord& e, bool full, Geometry& out) {
    const Ocs ocs = e.ocs();
    const double r = e.real(40, 0.0);
    ArcPiece arc;
    arc.centre = ocs.toWorld(e.point(10));
    arc.u = r * ocs.xAxis();
    arc.v = r * ocs.yAxis();
    arc.t0 = full ? 0.0 : e.real(50, 0.0);
    arc.t1 = full ? kTwoPi : sweepEnd(arc.t0, e.real(51, 0.0));
    out.arcs.push_back(arc);
}

void addEllipse(const EntityRecord& e, Geometry& out) {
    ArcPiece arc;
    arc.centre = e.point(10);
    arc.u = e.point(11);
    arc.v = e.real(40, 1.0) * cross(unit(e.extrusion()), arc.u);
    arc.t0 = e.real(41, 0.0);
    arc.t1 = sweepEnd(arc.t0, e.real(42, kTwoPi));
    out.arcs.push_back(arc);
}

// The curve lies in the hull of its control points; it runs through its fit
// points, so these (when given) make the better outline for picking.
void addSpline(const EntityRecord& e, Geometry& out) {
    std::vector<V3> control;
    std::vector<V3> fit;
    for (const auto& g : e.groups()) {
        if (g.code == 10) control.push_back(e.pointOf(g));
        if (g.code == 11) fit.push_back(e.pointOf(g));
    }
    const std::vector<V3>& path = fit.size() >= 2 ? fit : control;
    for (std::size_t i = 1; i < path.size(); ++i) out.segments.push_back({path[i - 1], path[i]});
    out.points.insert(out.points.end(), control.begin(), control.end());
    out.points.insert(out.points.end(), fit.begin(), fit.end());
}

}  // namespace

void addCurveShape(const EntityRecord& e, Geometry& out) {
    const std::string_view type = e.type();
    if (type == "CIRCLE") return addCircular(e, true, out);
    if (type == "ARC") return addCircular(e, false, out);
    if (type == "ELLIPSE") return addEllipse(e, out);
    addSpline(e, out);
}

}  // namespace zcad::shapes
