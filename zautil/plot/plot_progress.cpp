#include "plot/plot_progress.h"

#include <chrono>

#include "arx/acedads.h"

namespace {

constexpr double kSecondsPerMillisecond = 0.001;

}  // namespace

std::int64_t zaMonotonicMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void ZaPlotProgress::start() {
    nextReport_ = 0;
    step_ = 2;
    threshold_ = 0.5;
    started_ = lastReport_ = clock_();
    acutPrintf("\nStart line %d\n", 0);
}

double ZaPlotProgress::elapsedSeconds() const {
    return static_cast<double>(clock_() - started_) * kSecondsPerMillisecond;
}

// Reports that come faster than the threshold widen the step fivefold;
// slow ones raise the threshold a little, so the pace settles.
void ZaPlotProgress::report(std::int64_t line) {
    acutPrintf("\rAt line %lld\n", static_cast<long long>(line));
    const std::int64_t now = clock_();
    const double seconds = static_cast<double>(now - lastReport_) * kSecondsPerMillisecond;
    if (seconds >= threshold_) {
        lastReport_ = now;
        threshold_ *= 1.1;
    } else {
        step_ *= 5;
    }
    nextReport_ = (line / step_ + 1) * step_;
}
