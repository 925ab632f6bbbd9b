#include "user_break.h"

#include <csignal>

#include "arx/acedads.h"
#include "state/session_state.h"
#include "zcad/console.h"
#include "zcad/host_test.h"

namespace zcad {

namespace {

// What the signal handlers set: the one piece of state outside the
// session's objects, as a handler may touch only this.
volatile std::sig_atomic_t breakFlag = 0;    // a Ctrl-C not yet taken
volatile std::sig_atomic_t breakCount = 0;   // every Ctrl-C so far
volatile std::sig_atomic_t endSignal = 0;    // SIGTERM or SIGHUP

struct BreakPolls {
    int breakAfter = 0;  // 0: not armed
    int polls = 0;
};

BreakPolls& breakPolls() { return sessionState<BreakPolls>(); }

void onInterrupt(int) {
    breakFlag = 1;
    breakCount = breakCount + 1;
}

void onEnd(int signal) { endSignal = signal; }

void install(int signal, void (*handler)(int), int flags) {
    struct sigaction action {};
    action.sa_handler = handler;
    // No SA_RESTART: a read waiting for a line returns, so the break is seen.
    action.sa_flags = flags;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

}  // namespace

void installSignalHandlers() {
    install(SIGINT, onInterrupt, 0);
    // A second SIGTERM or SIGHUP ends the process at once, for a session
    // stuck in work that never looks.
    install(SIGTERM, onEnd, SA_RESETHAND);
    install(SIGHUP, onEnd, SA_RESETHAND);
}

bool userBreakPending() {
    if (endSignal) return true;
    BreakPolls& armed = breakPolls();
    ++armed.polls;
    if (armed.breakAfter > 0 && armed.polls >= armed.breakAfter) return true;
    return takeBreak();
}

bool takeBreak() {
    if (!breakFlag) return false;
    breakFlag = 0;
    return true;
}

bool breakWaiting() { return breakFlag != 0; }

int breaksSoFar() { return breakCount; }

int endingSignal() { return endSignal; }

namespace test {
void breakAfterPolls(int n) {
    breakPolls() = {n, 0};
    breakFlag = 0;
}
}  // namespace test

}  // namespace zcad

int acedUsrBrk() { return zcad::userBreakPending() ? 1 : 0; }
