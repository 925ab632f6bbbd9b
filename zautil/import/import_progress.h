// Progress of a long import: a line at growing intervals, so that a file of
// a million records prints a handful of them, not thousands; the user's
// break; and the rate at the end.
#pragma once

#include <cstdint>
#include <optional>

namespace zaimport {

// Milliseconds of a monotonic clock.
using MilliClock = std::int64_t (*)();
std::int64_t monotonicMilliseconds();

// Reports that come faster than the limit widen the step fivefold, so the
// pace settles at a few lines whatever the speed. The commands differ in
// how the limit grows, and each keeps its own way.
enum class Pacing {
    // Only a report slower than the limit restarts the interval and raises
    // the limit by a tenth (PFIN).
    RaiseLimitWhenSlow,
    // Every report restarts the interval and raises the limit (URIN, TRIN).
    RaiseLimitEachReport,
    // Every report restarts the interval; the limit stays (UTIN's points).
    KeepLimit,
};

struct ProgressStyle {
    const char* line;  // printf format of the report, given the counter as %lld
    Pacing pacing;
    // The counter names the item about to be done, from 0, rather than
    // the items done: a report comes at the next one, not past it.
    bool beforeItem = false;
};

class ImportProgress {
public:
    // Starts the clock.
    explicit ImportProgress(const ProgressStyle& style, MilliClock clock = monotonicMilliseconds);

    // Prints a report when the counter has passed the next one; true then.
    bool at(std::int64_t counter) {
        if (counter <= next_) return false;
        report(counter);
        return true;
    }
    // Another pass over the items in its own style: the reports start
    // again, at the pace the last pass reached.
    void startPass(const ProgressStyle& style);
    double elapsedSeconds() const;

private:
    void report(std::int64_t counter);

    ProgressStyle style_;
    MilliClock clock_;
    std::int64_t started_;
    std::int64_t lastReport_;
    std::int64_t next_;
    std::int64_t step_ = 2;
    double limitSeconds_ = 0.5;
};

// True when the user has broken off, after printing the warning that the
// file (named by `what`: "UR file", "plot file") is partially loaded, or
// only "*Cancel*" when `what` is null.
bool userBrokeOff(const char* what);

// Items per second, truncated: only for more than 10 items over more than
// `shortest` seconds, as a shorter run cannot be timed honestly.
std::optional<long long> importRate(std::int64_t count, double seconds, double shortest);

}  // namespace zaimport
