#include "user_break.h"

#include <csignal>

#include "arx/acedads.h"
#include "state/session_state.h"
#include "zcad/console.h"
#include "zcad/host_test.h"

namespace zcad {

namespace {

// A Ctrl-C at the terminal, set by the signal handler; the one piece of
// state outside the session's objects, as a handler may touch only this.
volatile std::sig_atomic_t breakFlag = 0;

struct BreakPolls {
    int breakAfter = 0;  // 0: not armed
    int polls = 0;
};

BreakPolls& breakPolls() { return sessionState<BreakPolls>(); }

void onInterrupt(int) { breakFlag = 1; }

}  // namespace

void installBreakHandler() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

bool userBreakPending() {
    BreakPolls& armed = breakPolls();
    ++armed.polls;
    if (armed.breakAfter > 0 && armed.polls >= armed.breakAfter) return true;
    if (!breakFlag) return false;
    breakFlag = 0;
    return true;
}

namespace test {
void breakAfterPolls(int n) {
    breakPolls() = {n, 0};
    breakFlag = 0;
}
}  // namespace test

}  // namespace zcad

int acedUsrBrk() { return zcad::userBreakPending() ? 1 : 0; }
