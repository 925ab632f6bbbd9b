#include "user_break.h"

#include <csignal>

#include "arx/acedads.h"
#include "zcad/console.h"
#include "zcad/host_test.h"

namespace zcad {

namespace {

volatile std::sig_atomic_t breakFlag = 0;
int breakAfter = 0;
int polls = 0;

void onInterrupt(int) { breakFlag = 1; }

}  // namespace

void installBreakHandler() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

bool userBreakPending() {
    ++polls;
    if (breakAfter > 0 && polls >= breakAfter) return true;
    if (!breakFlag) return false;
    breakFlag = 0;
    return true;
}

namespace test {
void breakAfterPolls(int n) {
    breakAfter = n;
    polls = 0;
    breakFlag = 0;
}
}  // namespace test

}  // namespace zcad

int acedUsrBrk() { return zcad::userBreakPending() ? 1 : 0; }
