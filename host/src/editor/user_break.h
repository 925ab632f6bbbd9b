#pragma once

namespace zcad {

// Ctrl-C sets a flag that acedUsrBrk reports once.
void installBreakHandler();

}  // namespace zcad
