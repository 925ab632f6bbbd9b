// Progress of a long import: a line at growing intervals, so that a file of
// a million lines prints a handful of them, not thousands.
#pragma once

#include <cstdint>

// Milliseconds of a monotonic clock.
using ZaMilliClock = std::int64_t (*)();
std::int64_t zaMonotonicMilliseconds();

class ZaPlotProgress {
public:
    explicit ZaPlotProgress(ZaMilliClock clock = zaMonotonicMilliseconds) : clock_(clock) {}

    // Prints the start line and starts the clock.
    void start();
    void at(std::int64_t line) {
        if (line > nextReport_) report(line);
    }
    // Seconds since start().
    double elapsedSeconds() const;

private:
    void report(std::int64_t line);

    ZaMilliClock clock_;
    std::int64_t started_ = 0;
    std::int64_t lastReport_ = 0;
    std::int64_t nextReport_ = 0;
    std::int64_t step_ = 2;
    double threshold_ = 0.5;
};
