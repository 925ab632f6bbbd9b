// The entity geometry works in the host's own 3D vector type.
#pragma once

#include "geom/vec3.h"

namespace zcad::shapes {

using V3 = geom::Vec3;
using geom::cross;
using geom::dot;
using geom::operator+;
using geom::operator-;
using geom::operator*;

inline double norm(const V3& v) { return geom::length(v); }
inline V3 unit(const V3& v) {
    const double n = norm(v);
    return n > 0 ? (1.0 / n) * v : v;
}

}  // namespace zcad::shapes
