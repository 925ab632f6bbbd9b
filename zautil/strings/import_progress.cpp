#include "strings/import_progress.h"

#include <chrono>

#include "arx/acedads.h"

namespace zastrings {

std::int64_t importClockMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Reports that come quicker than the slow limit widen the step fivefold,
// while the limit itself creeps up, so the pace settles at a few lines.
bool ImportProgress::report(std::int64_t counter) {
    if (line_ == ProgressLine::Record) {
        acutPrintf("At record %lld\n", static_cast<long long>(counter));
    } else {
        acutPrintf("\r at record %lld \n", static_cast<long long>(counter));
    }
    if (acedUsrBrk()) {
        acutPrintf("\n*Cancel*\nWARNING: User Abort: UR file partially loaded\n");
        return false;
    }
    const std::int64_t now = importClockMilliseconds();
    if (static_cast<double>(now - lastReport_) * 0.001 < slowSeconds_) step_ *= 5;
    lastReport_ = now;
    slowSeconds_ *= 1.1;
    threshold_ = (counter / step_ + 1) * step_;
    return true;
}

}  // namespace zastrings
