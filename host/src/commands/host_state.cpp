#include "host_state.h"

#include "state/session_state.h"

namespace zcad::commands {

HostState& hostState() { return sessionState<HostState>(); }

}  // namespace zcad::commands
