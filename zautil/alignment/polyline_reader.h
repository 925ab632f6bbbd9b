// The vertices of a picked polyline, as an alignment reads them: in the
// world or the user coordinate system, each with the bulge of the segment
// it starts. Refusals are returned; the command shows them.
#pragma once

#include "alignment/alignment_vertex.h"
#include "arx/adsdef.h"

enum class ZaPolylineFault {
    None,
    NoEntityData,
    NotPolyline,
    NoFlags,
    PolygonMesh,
    PolyfaceMesh,
    Closed,
    SplineFit,
    NoVertexPoint,
    NoVertexCount,
    TooManyVertices,
    VertexMissing,
    BadExtrusion,
};

// The text the user sees, as the advice box shows it.
const char* zaPolylineFaultText(ZaPolylineFault fault);

// Reads a POLYLINE (its VERTEX entities, at most kZaAlignmentMostVertices)
// or an LWPOLYLINE into out, in the system given as the host's code (0
// world, 1 user). A vertex without a bulge starts a straight.
ZaPolylineFault zaReadAlignmentPolyline(const ads_name entity, int coordinateSystem, ZaAlignment& out);

// The vertices of an LWPOLYLINE's entity list, in its own system: the
// count of group 90, each group 10 a vertex, a group 42 the bulge of the
// vertex before it.
ZaPolylineFault zaReadLightweightVertices(const resbuf* list, ZaAlignment& out);
