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

// `perSpan` points between each two fit points of the smooth cubic curve
// through them (chord lengths its parameter; with the end tangents when
// given, else straight at its ends). False when no curve passes through them.
bool fitCurvePoints(const std::vector<shapes::V3>& fit, const shapes::V3* startTangent, const shapes::V3* endTangent, int perSpan,
                    std::vector<shapes::V3>& out);

// `perSpan` points on each knot span, the ends included, or on each span
// between fit points when the spline has no control points. False (and
// nothing) when neither makes a curve.
bool splinePoints(const shapes::EntityRecord& e, int perSpan, std::vector<shapes::V3>& out);

}  // namespace zcad::render
