#include "fault_seams.h"

#include "state/session_state.h"
#include "zcad/host_test.h"

namespace zcad::test {

namespace {

struct EntityMakeFault {
    int failAt = 0;
    int calls = 0;
};

EntityMakeFault& fault() { return sessionState<EntityMakeFault>(); }

}  // namespace

void failEntityMakeAt(int n) { fault() = {n, 0}; }

int entityMakeCalls() { return fault().calls; }

bool takeEntityMakeFault() {
    EntityMakeFault& f = fault();
    ++f.calls;
    return f.failAt > 0 && f.calls == f.failAt;
}

}  // namespace zcad::test
