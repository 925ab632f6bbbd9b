#include "spline.h"

#include <cmath>

namespace zcad::render {

namespace {

// Degrees above this are no curve a drawing program writes.
constexpr std::size_t kHighestDegree = 11;

struct Weighted {
    double x = 0;
    double y = 0;
    double z = 0;
    double w = 1;
};

Weighted blend(const Weighted& a, const Weighted& b, double t) {
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z), a.w + t * (b.w - a.w)};
}

// de Boor's algorithm on span k (knots[k] <= u < knots[k + 1]).
Weighted evaluate(const std::vector<Weighted>& control, const std::vector<double>& knots, std::size_t degree,
                  std::size_t k, double u, std::vector<Weighted>& d) {
    d.assign(control.begin() + static_cast<std::ptrdiff_t>(k - degree),
             control.begin() + static_cast<std::ptrdiff_t>(k + 1));
    for (std::size_t r = 1; r <= degree; ++r) {
        for (std::size_t j = degree; j >= r; --j) {
            const std::size_t i = j + k - degree;
            const double span = knots[i + degree + 1 - r] - knots[i];
            const double t = span > 0 ? (u - knots[i]) / span : 0.0;
            d[j] = blend(d[j - 1], d[j], t);
        }
    }
    return d[degree];
}

}  // namespace

bool bsplinePoints(std::size_t degree, const std::vector<double>& knots, const std::vector<shapes::V3>& points,
                   const std::vector<double>& weights, int perSpan, std::vector<shapes::V3>& out) {
    out.clear();
    if (degree < 1 || degree > kHighestDegree || points.size() <= degree || knots.size() != points.size() + degree + 1) {
        return false;
    }
    const bool rational = weights.size() == points.size();
    std::vector<Weighted> control;
    control.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double w = rational ? weights[i] : 1.0;
        if (!(w > 0) || !std::isfinite(w)) return false;
        control.push_back({points[i].x * w, points[i].y * w, points[i].z * w, w});
    }
    for (std::size_t i = 1; i < knots.size(); ++i) {
        if (!(knots[i] >= knots[i - 1]) || !std::isfinite(knots[i])) return false;
    }
    std::vector<Weighted> scratch;
    for (std::size_t k = degree; k < control.size(); ++k) {
        const double from = knots[k];
        const double to = knots[k + 1];
        if (!(to > from)) continue;
        for (int s = out.empty() ? 0 : 1; s <= perSpan; ++s) {
            const double u = from + (to - from) * s / perSpan;
            const Weighted p = evaluate(control, knots, degree, k, u, scratch);
            out.push_back({p.x / p.w, p.y / p.w, p.z / p.w});
        }
    }
    return !out.empty();
}

bool splinePoints(const shapes::EntityRecord& e, int perSpan, std::vector<shapes::V3>& out) {
    std::vector<double> knots;
    std::vector<shapes::V3> control;
    std::vector<double> weights;
    for (const auto& g : e.groups()) {
        if (g.code == 40) knots.push_back(g.real());
        if (g.code == 41) weights.push_back(g.real());
        if (g.code == 10) control.push_back({g.xyz[0], g.xyz[1], g.flat ? 0.0 : g.xyz[2]});
    }
    const std::int64_t degree = e.integer(71, 3);
    if (degree < 1) return false;
    return bsplinePoints(static_cast<std::size_t>(degree), knots, control, weights, perSpan, out);
}

}  // namespace zcad::render
