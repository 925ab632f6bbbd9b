// Selection state shared by the editor and the host commands.
#pragma once

#include <vector>

#include "database.h"

#pragma GCC visibility push(default)

namespace zcad {

// The previous selection set ("P"): the last set acedSSGet returned or a
// host command chose. `checked` says each member was just found in the
// current drawing and selectable, as a selection's own result is.
const std::vector<EntityId>& previousSelection();
void setPreviousSelection(std::vector<EntityId> entities, bool checked = false);
// Whether the previous selection was checked in `db` and the drawing has
// not changed since: every member is then still there and selectable, and a
// million of them need no look each.
bool previousSelectionCurrent(const Database& db);

}  // namespace zcad

#pragma GCC visibility pop
