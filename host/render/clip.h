// Cutting what is drawn to the picture, with room to spare: cairo keeps
// coordinates in 24.8 fixed point and a file should not carry what lies
// far outside, so nothing far outside reaches either.
#pragma once

#include <vector>

#include "view.h"

namespace zcad::render {

bool finite(const P2& p);

// Cuts the segment to the box (Liang-Barsky); false when nothing of it is
// inside.
bool clipSegment(P2& a, P2& b, double loX, double loY, double hiX, double hiY);

// Cuts the polygon to the box (Sutherland-Hodgman), in place.
void clipPolygon(std::vector<P2>& poly, std::vector<P2>& scratch, double loX, double loY, double hiX, double hiY);

}  // namespace zcad::render
