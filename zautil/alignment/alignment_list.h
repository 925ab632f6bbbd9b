// Vertex lists as read from polylines, made ready for the path computation:
// repeated vertices dropped, and both alignments running from the start
// chainage the user picked.
#pragma once

#include "alignment/alignment_vertex.h"

// A vertex at the same plan position as the next one starts a segment of
// no length, which would give the suite two IPs in one place: it goes, and
// the segment before it runs on to the next one.
void zaDropRepeatedVertices(ZaAlignment& list);

// The vertices in reverse order, each segment keeping its arc: its bulge
// moves, negated, to the vertex that now starts it.
void zaReverseAlignment(ZaAlignment& list);

// The pegged alignment runs from the end nearer the pick point; the shift
// alignment, when there is one, runs the same way as the pegged.
void zaOrientAlignments(const ZaPoint& pick, ZaAlignment& pegged, ZaAlignment* shift);
