#include "user_break.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

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
// A byte for each signal, so a reader waiting for a key wakes even when the
// signal came just before it began to wait.
int wake[2] = {-1, -1};

void wakeReader() {
    if (wake[1] >= 0) (void)!::write(wake[1], "!", 1);
}

struct BreakPolls {
    int breakAfter = 0;  // 0: not armed
    int polls = 0;
};

BreakPolls& breakPolls() { return sessionState<BreakPolls>(); }

void onInterrupt(int) {
    breakFlag = 1;
    breakCount = breakCount + 1;
    wakeReader();
}

void onEnd(int signal) {
    endSignal = signal;
    wakeReader();
}

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
    if (wake[0] < 0 && ::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) wake[0] = wake[1] = -1;
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

bool waitForInput(int fd) {
    pollfd waits[2] = {{fd, POLLIN, 0}, {wake[0], POLLIN, 0}};
    for (;;) {
        if (breakFlag || endSignal) return false;
        const int ready = ::poll(waits, wake[0] >= 0 ? 2 : 1, -1);
        if (ready < 0 && errno != EINTR) return true;  // the read that follows says what is wrong
        if (ready > 0 && (waits[1].revents & POLLIN)) {
            char drained[64];
            while (::read(wake[0], drained, sizeof drained) > 0) {
            }
            continue;
        }
        if (ready > 0) return true;
    }
}

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
