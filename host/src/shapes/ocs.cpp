#include "ocs.h"

namespace zcad::shapes {

Ocs::Ocs(const V3& extrusion) {
    const double length = norm(extrusion);
    if (!(length > 0) || !std::isfinite(length)) return;
    const V3 n = (1.0 / length) * extrusion;
    if (n.x == 0 && n.y == 0 && n.z > 0) return;
    constexpr double kArbitraryBound = 1.0 / 64.0;
    const bool nearPole = std::fabs(n.x) < kArbitraryBound && std::fabs(n.y) < kArbitraryBound;
    ax_ = unit(cross(nearPole ? V3{0, 1, 0} : V3{0, 0, 1}, n));
    ay_ = unit(cross(n, ax_));
    az_ = n;
    world_ = false;
}

V3 Ocs::toWorld(const V3& p) const {
    if (world_) return p;
    return p.x * ax_ + p.y * ay_ + p.z * az_;
}

V3 Ocs::fromWorld(const V3& p) const {
    if (world_) return p;
    return {dot(p, ax_), dot(p, ay_), dot(p, az_)};
}

}  // namespace zcad::shapes
