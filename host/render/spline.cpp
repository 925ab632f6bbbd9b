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

bool fitCurvePoints(const std::vector<shapes::V3>& fit, const shapes::V3* startTangent, const shapes::V3* endTangent, int perSpan,
                    std::vector<shapes::V3>& out) {
    out.clear();
    const std::size_t n = fit.size();
    if (n < 2 || perSpan < 1) return false;
    // Chord lengths as the parameter: the curve runs evenly along its points.
    std::vector<double> h(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        h[i] = shapes::norm(fit[i + 1] - fit[i]);
        if (!(h[i] > 0) || !std::isfinite(h[i])) return false;
    }
    // The second derivatives at the points: a tridiagonal system, solved
    // by elimination, one row a point.
    std::vector<double> lower(n, 0), diagonal(n, 1), upper(n, 0);
    std::vector<shapes::V3> right(n);
    const auto slope = [&](std::size_t i) { return (1 / h[i]) * (fit[i + 1] - fit[i]); };
    if (startTangent) {
        diagonal[0] = 2 * h[0];
        upper[0] = h[0];
        right[0] = 6.0 * (slope(0) - shapes::unit(*startTangent));
    }
    for (std::size_t i = 1; i + 1 < n; ++i) {
        lower[i] = h[i - 1];
        diagonal[i] = 2 * (h[i - 1] + h[i]);
        upper[i] = h[i];
        right[i] = 6.0 * (slope(i) - slope(i - 1));
    }
    if (endTangent) {
        lower[n - 1] = h[n - 2];
        diagonal[n - 1] = 2 * h[n - 2];
        right[n - 1] = 6.0 * (shapes::unit(*endTangent) - slope(n - 2));
    }
    for (std::size_t i = 1; i < n; ++i) {
        const double k = lower[i] / diagonal[i - 1];
        diagonal[i] -= k * upper[i - 1];
        right[i] = right[i] - k * right[i - 1];
    }
    std::vector<shapes::V3> m(n);
    m[n - 1] = (1 / diagonal[n - 1]) * right[n - 1];
    for (std::size_t i = n - 1; i-- > 0;) m[i] = (1 / diagonal[i]) * (right[i] - upper[i] * m[i + 1]);
    out.push_back(fit[0]);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (int s = 1; s <= perSpan; ++s) {
            const double b = h[i] * s / perSpan;
            const double a = h[i] - b;
            const shapes::V3 p = (a * a * a / (6 * h[i])) * m[i] + (b * b * b / (6 * h[i])) * m[i + 1] +
                                 (a / h[i]) * (fit[i] - (h[i] * h[i] / 6) * m[i]) + (b / h[i]) * (fit[i + 1] - (h[i] * h[i] / 6) * m[i + 1]);
            out.push_back(p);
        }
    }
    for (const shapes::V3& p : out) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return false;
    }
    return true;
}

bool splinePoints(const shapes::EntityRecord& e, int perSpan, std::vector<shapes::V3>& out) {
    std::vector<double> knots;
    std::vector<shapes::V3> control;
    std::vector<shapes::V3> fit;
    std::vector<double> weights;
    for (const auto& g : e.groups()) {
        if (g.code == 40) knots.push_back(g.real());
        if (g.code == 41) weights.push_back(g.real());
        if (g.code == 10) control.push_back({g.xyz[0], g.xyz[1], g.flat ? 0.0 : g.xyz[2]});
        if (g.code == 11) fit.push_back({g.xyz[0], g.xyz[1], g.flat ? 0.0 : g.xyz[2]});
    }
    const std::int64_t degree = e.integer(71, 3);
    if (degree >= 1 && bsplinePoints(static_cast<std::size_t>(degree), knots, control, weights, perSpan, out)) return true;
    // A curve given by the points it passes through only.
    const shapes::V3 start = e.point(12);
    const shapes::V3 end = e.point(13);
    return fitCurvePoints(fit, e.has(12) && shapes::norm(start) > 0 ? &start : nullptr, e.has(13) && shapes::norm(end) > 0 ? &end : nullptr,
                          perSpan, out);
}

}  // namespace zcad::render
