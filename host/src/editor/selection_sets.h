// Selection sets handed to callers by name.
#pragma once

#include <vector>

#include "arx/adsdef.h"
#include "zcad/database.h"

namespace zcad {

void makeSetName(std::size_t slot, ads_name name);
std::vector<EntityId>* setOfName(const ads_name name);
// Stores a new set; its name goes to `name`.
void storeSet(std::vector<EntityId> members, ads_name name);
bool freeSet(const ads_name name);

}  // namespace zcad
