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

// One line of the "Select objects: " protocol (ALL, L, P, W and C with two
// corners, LAYER name, TYPE name, a point to pick); false when the line
// means nothing to a selection.
bool selectByLine(const Database& db, std::string_view line, std::vector<EntityId>& found);

}  // namespace zcad
