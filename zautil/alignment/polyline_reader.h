// The vertices of a picked polyline, as an alignment reads them: in the
// world or the user coordinate system, each with the bulge of the segment
// it starts as seen there. Refusals are returned; the command shows them
// in the words of kAlignmentTexts.
#pragma once

#include "alignment/alignment_vertex.h"
#include "arx/adsdef.h"
#include "drawing/drawing_fault.h"
#include "drawing/object_system.h"

namespace zaalignment {

// HALOUT's words for its picks and the polylines it refuses.
extern const zadrawing::DrawingTexts kAlignmentTexts;

// Reads an open POLYLINE (its first kZaAlignmentMostVertices VERTEX
// entities) or LWPOLYLINE into out. A lightweight polyline's vertices have
// z 0, as the suite has always read them.
zadrawing::DrawingFault readAlignmentPolyline(const ads_name entity, zadrawing::TargetSystem target, ZaAlignment& out);

}  // namespace zaalignment
