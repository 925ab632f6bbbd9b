// Coordinate systems as orthonormal frames placed in the world: the world
// itself, an object system derived from an extrusion direction (the DXF
// arbitrary axis algorithm) and a user system given by origin and axes.
#pragma once

#include <optional>

#include "vec3.h"

namespace zcad::geom {

struct Frame {
    Vec3 origin;
    Vec3 xAxis{1, 0, 0};
    Vec3 yAxis{0, 1, 0};
    Vec3 zAxis{0, 0, 1};
};

constexpr Frame worldFrame() { return Frame{}; }

// The object coordinate system of an extrusion direction; nothing for a
// zero or non-finite direction.
std::optional<Frame> objectFrame(const Vec3& extrusion);

// A user coordinate system from its origin and x and y directions. The y
// direction is made square to x; nothing when the axes are degenerate.
std::optional<Frame> userFrame(const Vec3& origin, const Vec3& xDirection, const Vec3& yDirection);

// A vector ignores the origin of either frame.
Vec3 toWorld(const Frame& frame, const Vec3& p, bool vector);
Vec3 fromWorld(const Frame& frame, const Vec3& p, bool vector);
Vec3 transform(const Frame& from, const Frame& to, const Vec3& p, bool vector);

}  // namespace zcad::geom
