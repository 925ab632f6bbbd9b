// Points along a SPLINE entity's curve, from its knots, control points and
// weights.
#pragma once

#include <vector>

#include "shapes/entity_record.h"

namespace zcad::render {

// `perSpan` points on each knot span, the ends included. False (and
// nothing) when the knots and control points do not make a curve.
bool splinePoints(const shapes::EntityRecord& e, int perSpan, std::vector<shapes::V3>& out);

}  // namespace zcad::render
