// From a polyline's vertices to the suite's description of an alignment:
// end points, angle points, and for every curve its two tangent points and
// its IP with the radius, each with its chainage. The name ("Pegged" or
// "Shift") appears only in messages.
#pragma once

#include "alignment/alignment_vertex.h"

// Splits every arc of 180 degrees or more into two halves, so that each
// curve has tangents that meet. False, with the list unchanged, when the
// list would outgrow its limit.
bool FixArcs(const char* name, ZaAlignment& list);

// Replaces the vertices (after FixArcs) by the IP list. A tangent point
// where straight and curve, or two curves, do not run on tangentially
// becomes an angle point, with a warning and a red mark drawn across the
// corner. False, with the list unchanged, when the list would outgrow its
// limit.
bool CalcPath(const char* name, ZaAlignment& list);
