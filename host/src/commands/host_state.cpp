#include "host_state.h"

namespace zcad::commands {

HostState& hostState() {
    static HostState state;
    return state;
}

void resetHostState() { hostState() = HostState{}; }

}  // namespace zcad::commands
