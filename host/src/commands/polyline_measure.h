// Area and length of a polyline (LWPOLYLINE or POLYLINE) from its vertices
// and bulges, in its own plane: arcs measured as arcs, not as chords.
#pragma once

#include <optional>

#include "zcad/database.h"

namespace zcad::commands {

struct PolylineMeasure {
    double area = 0;    // as if closed
    double length = 0;  // along the path, the closing segment included when closed
    bool closed = false;
    std::size_t vertices = 0;
};

// Nothing for an entity that is no polyline, or a mesh.
std::optional<PolylineMeasure> measurePolyline(const Database& db, EntityId id);

}  // namespace zcad::commands
