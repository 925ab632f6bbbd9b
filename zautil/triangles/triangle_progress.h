// The progress of a triangle import: the import pacer counting items from
// 0, a report before item i once i reaches the next one, the user's break
// polled with it. The pace carries over from one pass of an import to the
// next.
#pragma once

#include <cstdint>

#include "import/import_progress.h"

namespace zatriangles {

class TriangleProgress {
public:
    explicit TriangleProgress(zaimport::MilliClock clock = zaimport::monotonicMilliseconds)
        : progress_({"", zaimport::Pacing::KeepLimit, true}, clock) {}

    // A new pass: its line (printf, given the item as %lld) and whether
    // each report raises the time limit by a tenth.
    void startPass(const char* line, bool raiseLimit) {
        progress_.startPass(
            {line, raiseLimit ? zaimport::Pacing::RaiseLimitEachReport : zaimport::Pacing::KeepLimit, true});
    }

    // Before item i: true when the user broke off at a report ("*Cancel*"
    // is printed then).
    bool cancelledAt(std::int64_t i) { return progress_.at(i) && zaimport::userBrokeOff(nullptr); }

private:
    zaimport::ImportProgress progress_;
};

}  // namespace zatriangles
