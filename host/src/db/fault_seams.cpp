#include "fault_seams.h"

#include "zcad/host_test.h"

namespace zcad::test {

namespace {
int failAt = 0;
int calls = 0;
}  // namespace

void failEntityMakeAt(int n) {
    failAt = n;
    calls = 0;
}

int entityMakeCalls() { return calls; }

bool takeEntityMakeFault() {
    ++calls;
    return failAt > 0 && calls == failAt;
}

}  // namespace zcad::test
