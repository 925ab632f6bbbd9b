// Measures in plan: x and y only, z carried along but never measured.
#pragma once

#include "geometry/bulge_arc.h"

double zaPlanDistance(const ZaPoint& a, const ZaPoint& b);

// How far q stands off the line through p and r; not finite when p and r
// coincide in plan.
double zaOffsetFromChord(const ZaPoint& p, const ZaPoint& r, const ZaPoint& q);

// Where the line through a and a2 meets the line through b and b2, at a's
// level; not finite when the lines are parallel.
ZaPoint zaLinesMeet(const ZaPoint& a, const ZaPoint& a2, const ZaPoint& b, const ZaPoint& b2);
