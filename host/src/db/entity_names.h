// Entity names handed to callers: the entity's id (plus one, so that a null
// name is never valid) and a tag of the drawing, so names from a drawing
// that has been replaced are refused.
#pragma once

#include "arx/adsdef.h"
#include "zcad/database.h"

namespace zcad {

void makeEntityName(const Database& db, EntityId id, ads_name name);
// The live entity a name designates, or kNoEntity.
EntityId entityOfName(const Database& db, const ads_name name);

// The last entity of the sequence an entity heads (its SEQEND), or the entity.
EntityId sequenceEnd(const Database& db, EntityId id);

}  // namespace zcad
