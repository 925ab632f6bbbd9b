#include "frame.h"

namespace zcad::geom {

namespace {

std::optional<Vec3> unit(const Vec3& v) {
    const double len = length(v);
    if (!std::isfinite(len) || len < 1e-12) return std::nullopt;
    return (1.0 / len) * v;
}

}  // namespace

std::optional<Frame> objectFrame(const Vec3& extrusion) {
    const auto n = unit(extrusion);
    if (!n) return std::nullopt;
    // Near the world z axis the x axis is taken from world y, else from world z.
    constexpr double kLimit = 1.0 / 64.0;
    const Vec3 helper = std::abs(n->x) < kLimit && std::abs(n->y) < kLimit ? Vec3{0, 1, 0} : Vec3{0, 0, 1};
    const auto ax = unit(cross(helper, *n));
    if (!ax) return std::nullopt;
    const auto ay = unit(cross(*n, *ax));
    if (!ay) return std::nullopt;
    return Frame{{0, 0, 0}, *ax, *ay, *n};
}

std::optional<Frame> userFrame(const Vec3& origin, const Vec3& xDirection, const Vec3& yDirection) {
    if (!std::isfinite(origin.x) || !std::isfinite(origin.y) || !std::isfinite(origin.z)) return std::nullopt;
    const auto ax = unit(xDirection);
    if (!ax) return std::nullopt;
    const auto az = unit(cross(*ax, yDirection));
    if (!az) return std::nullopt;
    return Frame{origin, *ax, cross(*az, *ax), *az};
}

Vec3 toWorld(const Frame& frame, const Vec3& p, bool vector) {
    const Vec3 v = p.x * frame.xAxis + p.y * frame.yAxis + p.z * frame.zAxis;
    return vector ? v : frame.origin + v;
}

Vec3 fromWorld(const Frame& frame, const Vec3& p, bool vector) {
    const Vec3 v = vector ? p : p - frame.origin;
    return {dot(v, frame.xAxis), dot(v, frame.yAxis), dot(v, frame.zAxis)};
}

Vec3 transform(const Frame& from, const Frame& to, const Vec3& p, bool vector) {
    return fromWorld(to, toWorld(from, p, vector), vector);
}

}  // namespace zcad::geom
