#include "import/import_progress.h"

#include <chrono>

#include "arx/acedads.h"

namespace zaimport {
namespace {

constexpr double kSecondsPerMillisecond = 0.001;

}  // namespace

std::int64_t monotonicMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

ImportProgress::ImportProgress(const ProgressStyle& style, MilliClock clock)
    : style_(style), clock_(clock), started_(clock_()), lastReport_(started_), next_(style.beforeItem ? -1 : 0) {}

void ImportProgress::startPass(const ProgressStyle& style) {
    style_ = style;
    lastReport_ = clock_();
    next_ = style.beforeItem ? -1 : 0;
}

double ImportProgress::elapsedSeconds() const {
    return static_cast<double>(clock_() - started_) * kSecondsPerMillisecond;
}

void ImportProgress::report(std::int64_t counter) {
    acutPrintf(style_.line, static_cast<long long>(counter));
    const std::int64_t now = clock_();
    const bool fast = static_cast<double>(now - lastReport_) * kSecondsPerMillisecond < limitSeconds_;
    if (fast) step_ *= 5;
    const bool slowed = !fast && style_.pacing == Pacing::RaiseLimitWhenSlow;
    if (slowed || style_.pacing != Pacing::RaiseLimitWhenSlow) lastReport_ = now;
    if (slowed || style_.pacing == Pacing::RaiseLimitEachReport) limitSeconds_ *= 1.1;
    next_ = (counter / step_ + 1) * step_ - (style_.beforeItem ? 1 : 0);
}

bool userBrokeOff(const char* what) {
    if (!acedUsrBrk()) return false;
    acutPrintf("\n*Cancel*\n");
    if (what) acutPrintf("WARNING: User Abort: %s partially loaded\n", what);
    return true;
}

std::optional<long long> importRate(std::int64_t count, double seconds, double shortest) {
    if (count <= 10 || !(seconds > shortest)) return std::nullopt;
    return static_cast<long long>(static_cast<double>(count) / seconds);
}

}  // namespace zaimport
