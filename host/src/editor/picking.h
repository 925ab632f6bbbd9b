// Choosing entities: which ones a selection may take, and picks by point.
#pragma once

#include <string_view>
#include <vector>

#include "zcad/database.h"

namespace zcad {

// Main model-space entities in drawing order (no VERTEX, ATTRIB or SEQEND).
std::vector<EntityId> selectableEntities(const Database& db);
bool isSelectable(const Database& db, EntityId id);

// The pick aperture: a fiftieth of the view's height (or of the drawing's
// extents before any zoom), so picks typed in a script need not be exact.
double pickAperture(const Database& db);

// The entity nearest to (x, y) within the aperture, or kNoEntity.
EntityId pickNearest(const Database& db, double x, double y);

}  // namespace zcad
