// Timing of the benchmarks that run whole jobs: the best of a few runs, as
// the least disturbed run of a shared machine is the one that measures our
// code.
#pragma once

#include <algorithm>
#include <chrono>

inline double secondsSince(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// The shortest of the runs; -1 when a run fails.
template <typename Step>
double bestOf(int runs, Step step) {
    double best = 1e300;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (!step()) return -1;
        best = std::min(best, secondsSince(start));
    }
    return best;
}
