// A program run as a child process with an argument vector (never a
// shell), its output gathered, within a time limit and until told to stop.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace zcad {

struct ChildRun {
    enum class End {
        Exited,      // `status` is its exit status
        Signalled,   // `status` is the signal that ended it
        TimedOut,    // killed at the time limit
        Stopped,     // killed because `stop` said so
        NotStarted,  // `status` is the errno of the failed start
    };
    End end = End::NotStarted;
    int status = 0;
    std::string out;  // standard output, its first kOutputKept bytes
    std::string err;  // standard error, its last kOutputKept bytes
};

constexpr std::size_t kOutputKept = 64 * 1024;

// Runs argv[0] (a path, not looked up on the PATH) with standard input
// from /dev/null, in a process group of its own that dies with this
// process. The child and its group are killed at `limit` and when `stop`
// (asked several times a second) says so.
ChildRun runChild(const std::vector<std::string>& argv, std::chrono::milliseconds limit,
                  const std::function<bool()>& stop);

}  // namespace zcad
