// The progress of a triangle import: a line before item i once i reaches
// the next report, the user's break polled with it, and reports that come
// faster than the limit widening the step fivefold, so that a million
// triangles print a few dozen lines. The pace carries over from one pass
// of an import to the next; only the next report starts again at item 0.
#pragma once

#include <cstdint>

#include "import/import_progress.h"

namespace zatriangles {

class TriangleProgress {
public:
    explicit TriangleProgress(zaimport::MilliClock clock = zaimport::monotonicMilliseconds);

    // A new pass: its line (printf, given the item as %d) and whether each
    // report raises the time limit by a tenth.
    void startPass(const char* line, bool raiseLimit);

    // Before item i: true when the user broke off at a report ("*Cancel*"
    // is printed then).
    bool cancelledAt(std::int64_t i) { return i >= next_ && report(i); }

private:
    bool report(std::int64_t i);

    zaimport::MilliClock clock_;
    const char* line_ = "";
    bool raiseLimit_ = true;
    std::int64_t next_ = 0;
    std::int64_t step_ = 2;
    double limitSeconds_ = 0.5;
    std::int64_t last_;
};

}  // namespace zatriangles
