// Progress of a string import: a line at growing intervals, so that a
// million records print a handful of lines, and the user's break polled
// at each of them.
#pragma once

#include <cstdint>

namespace zastrings {

// Milliseconds of a monotonic clock.
std::int64_t importClockMilliseconds();

enum class ProgressLine {
    Record,    // URIN counts records
    GoodLine,  // TRIN counts good lines
};

class ImportProgress {
public:
    explicit ImportProgress(ProgressLine line) : line_(line), lastReport_(importClockMilliseconds()) {}

    // False once the user has broken off; the warning is printed then.
    bool at(std::int64_t counter) { return counter <= threshold_ || report(counter); }

private:
    bool report(std::int64_t counter);

    ProgressLine line_;
    std::int64_t lastReport_;
    std::int64_t threshold_ = 0;
    std::int64_t step_ = 2;
    double slowSeconds_ = 0.5;
};

}  // namespace zastrings
