#include "clip.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zcad::render {

namespace {

// One edge of Sutherland-Hodgman: keeps the part where inside(p) holds.
template <typename Inside, typename Cross>
void clipEdge(const std::vector<P2>& in, std::vector<P2>& out, Inside inside, Cross cross) {
    out.clear();
    for (std::size_t i = 0; i < in.size(); ++i) {
        const P2& a = in[i];
        const P2& b = in[(i + 1) % in.size()];
        const bool ina = inside(a);
        const bool inb = inside(b);
        if (ina) out.push_back(a);
        if (ina != inb) out.push_back(cross(a, b));
    }
}

}  // namespace

bool finite(const P2& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool clipSegment(P2& a, P2& b, double loX, double loY, double hiX, double hiY) {
    if (!finite(a) || !finite(b)) return false;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - loX, hiX - a.x, a.y - loY, hiY - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        if (p[i] > 0) t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const P2 from = a;
    if (t1 < 1) b = {from.x + t1 * dx, from.y + t1 * dy};
    if (t0 > 0) a = {from.x + t0 * dx, from.y + t0 * dy};
    return true;
}

void clipPolygon(std::vector<P2>& poly, std::vector<P2>& scratch, double loX, double loY, double hiX, double hiY) {
    const auto atX = [](const P2& a, const P2& b, double x) {
        return P2{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)};
    };
    const auto atY = [](const P2& a, const P2& b, double y) {
        return P2{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y};
    };
    clipEdge(poly, scratch, [&](const P2& p) { return p.x >= loX; }, [&](const P2& a, const P2& b) { return atX(a, b, loX); });
    clipEdge(scratch, poly, [&](const P2& p) { return p.x <= hiX; }, [&](const P2& a, const P2& b) { return atX(a, b, hiX); });
    clipEdge(poly, scratch, [&](const P2& p) { return p.y >= loY; }, [&](const P2& a, const P2& b) { return atY(a, b, loY); });
    clipEdge(scratch, poly, [&](const P2& p) { return p.y <= hiY; }, [&](const P2& a, const P2& b) { return atY(a, b, hiY); });
}

}  // namespace zcad::render
