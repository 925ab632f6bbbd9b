// The results of the Google Benchmark runs of a program, kept so that it
// can print its summary lines after them: the mean wall and processor
// seconds of one iteration of each benchmark, by name.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

#include "summary.h"

class ResultsKept : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations == 0) continue;
            const double iterations = static_cast<double>(run.iterations);
            seconds_[run.benchmark_name()] = {run.real_accumulated_time / iterations,
                                              run.cpu_accumulated_time / iterations};
        }
    }
    // By the benchmark's name without its arguments ("BM_Pt2Lev" for
    // "BM_Pt2Lev/iterations:3"); not measured (below 0) when it did not run.
    Timing operator[](const std::string& name) const {
        const auto found = seconds_.lower_bound(name);
        if (found == seconds_.end() || found->first.compare(0, name.size(), name) != 0) return {};
        if (found->first.size() > name.size() && found->first[name.size()] != '/') return {};
        return found->second;
    }

private:
    std::map<std::string, Timing> seconds_;
};
