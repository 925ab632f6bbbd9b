// Selection state shared by the editor and the host commands.
#pragma once

#include <vector>

#include "database.h"

#pragma GCC visibility push(default)

namespace zcad {

// The previous selection set ("P"): the last set acedSSGet returned.
const std::vector<EntityId>& previousSelection();
void setPreviousSelection(std::vector<EntityId> entities);

}  // namespace zcad

#pragma GCC visibility pop
