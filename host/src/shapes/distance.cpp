#include <algorithm>
#include <cmath>
#include <limits>

#include "geometry.h"
#include "zcad/entity_shape.h"

namespace zcad {

namespace {

using shapes::ArcPiece;
using shapes::V3;

struct Flat {
    double x;
    double y;
};

Flat flat(const V3& p) { return {p.x, p.y}; }

double segmentDistance(const Flat& p, const Flat& a, const Flat& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// An arc seen from above is circular when its axes stay square and equal
// there; then the distance is exact, otherwise it is taken from chords
// fine enough for picking.
double arcDistance(const Flat& p, const ArcPiece& arc) {
    const double ux = arc.u.x, uy = arc.u.y, vx = arc.v.x, vy = arc.v.y;
    const double ru = std::hypot(ux, uy);
    const double rv = std::hypot(vx, vy);
    const double scale = std::max(ru, rv);
    const bool circular = scale > 0 && std::fabs(ru - rv) <= 1e-12 * scale && std::fabs(ux * vx + uy * vy) <= 1e-12 * scale * scale;
    if (circular) {
        const double px = p.x - arc.centre.x;
        const double py = p.y - arc.centre.y;
        const double t = std::atan2((px * vx + py * vy) / rv, (px * ux + py * uy) / ru);
        double inSweep = arc.t0 + std::fmod(t - arc.t0, shapes::kTwoPi);
        if (inSweep < arc.t0) inSweep += shapes::kTwoPi;
        if (inSweep <= arc.t1) return std::fabs(std::hypot(px, py) - ru);
        return std::min(std::hypot(p.x - arc.at(arc.t0).x, p.y - arc.at(arc.t0).y),
                        std::hypot(p.x - arc.at(arc.t1).x, p.y - arc.at(arc.t1).y));
    }
    constexpr int kChordsPerTurn = 256;
    const int chords = std::max(8, static_cast<int>(std::ceil((arc.t1 - arc.t0) / shapes::kTwoPi * kChordsPerTurn)));
    double best = std::numeric_limits<double>::infinity();
    Flat previous = flat(arc.at(arc.t0));
    for (int i = 1; i <= chords; ++i) {
        const Flat next = flat(arc.at(arc.t0 + (arc.t1 - arc.t0) * i / chords));
        best = std::min(best, segmentDistance(p, previous, next));
        previous = next;
    }
    return best;
}

bool inside(const Flat& p, const std::vector<V3>& outline) {
    bool in = false;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const V3& a = outline[i];
        const V3& b = outline[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

// The nearest point to p on a segment in plan, with z along the segment.
V3 segmentNearest(const Flat& p, const V3& a, const V3& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
    return a + t * (b - a);
}

// The nearest point on an arc, searched over chords then refined on the
// curve itself: exact enough for a circle, and sound for an ellipse.
V3 arcNearest(const Flat& p, const ArcPiece& arc) {
    constexpr int kSteps = 720;
    const auto away = [&](double t) {
        const V3 q = arc.at(t);
        return std::hypot(p.x - q.x, p.y - q.y);
    };
    const double span = arc.t1 - arc.t0;
    double best = arc.t0;
    for (int i = 1; i <= kSteps; ++i) {
        const double t = arc.t0 + span * i / kSteps;
        if (away(t) < away(best)) best = t;
    }
    double lo = std::max(arc.t0, best - span / kSteps);
    double hi = std::min(arc.t1, best + span / kSteps);
    for (int i = 0; i < 100; ++i) {
        const double a = lo + (hi - lo) / 3;
        const double b = hi - (hi - lo) / 3;
        if (away(a) < away(b)) {
            hi = b;
        } else {
            lo = a;
        }
    }
    return arc.at((lo + hi) / 2);
}

}  // namespace

bool nearestPointOn(const Database& db, EntityId id, double x, double y, double out[3]) {
    const shapes::Geometry g = shapes::entityGeometry(db, id);
    const Flat p{x, y};
    double best = std::numeric_limits<double>::infinity();
    const auto consider = [&](const V3& q) {
        const double d = std::hypot(x - q.x, y - q.y);
        if (d >= best) return;
        best = d;
        out[0] = q.x;
        out[1] = q.y;
        out[2] = q.z;
    };
    for (const V3& q : g.points) consider(q);
    for (const auto& s : g.segments) consider(segmentNearest(p, s.from, s.to));
    for (const auto& arc : g.arcs) consider(arcNearest(p, arc));
    for (const auto& outline : g.areas) {
        for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
            consider(segmentNearest(p, outline[j], outline[i]));
        }
    }
    return best < std::numeric_limits<double>::infinity();
}

double entityDistance(const Database& db, EntityId id, double x, double y) {
    const shapes::Geometry g = shapes::entityGeometry(db, id);
    const Flat p{x, y};
    for (const auto& outline : g.areas) {
        if (outline.size() >= 3 && inside(p, outline)) return 0.0;
    }
    double best = std::numeric_limits<double>::infinity();
    for (const V3& q : g.points) best = std::min(best, std::hypot(x - q.x, y - q.y));
    for (const auto& s : g.segments) best = std::min(best, segmentDistance(p, flat(s.from), flat(s.to)));
    for (const auto& arc : g.arcs) best = std::min(best, arcDistance(p, arc));
    return best;
}

}  // namespace zcad
