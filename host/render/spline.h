// Points along a SPLINE entity's curve, from its knots, control points and
// weights.
#pragma once

#include <vector>

#include "shapes/entity_record.h"

namespace zcad::render {

// `perSpan` points on each knot span of the B-spline of that degree, knots
// and control points (weighted when there is a weight for each), the ends
// included. False (and nothing) when they do not make a curve.
bool bsplinePoints(std::size_t degree, const std::vector<double>& knots, const std::vector<shapes::V3>& control,
                   const std::vector<double>& weights, int perSpan, std::vector<shapes::V3>& out);

// `perSpan` points on each knot span, the ends included. False (and
// nothing) when the knots and control points do not make a curve.
bool splinePoints(const shapes::EntityRecord& e, int perSpan, std::vector<shapes::V3>& out);

}  // namespace zcad::render
