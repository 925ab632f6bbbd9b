#include "triangles/triangle_progress.h"

#include "arx/acedads.h"

namespace zatriangles {

TriangleProgress::TriangleProgress(zaimport::MilliClock clock) : clock_(clock), last_(clock_()) {}

void TriangleProgress::startPass(const char* line, bool raiseLimit) {
    line_ = line;
    raiseLimit_ = raiseLimit;
    next_ = 0;
    last_ = clock_();
}

bool TriangleProgress::report(std::int64_t i) {
    acutPrintf(line_, static_cast<int>(i));
    if (acedUsrBrk()) {
        acutPrintf("\n*Cancel*\n");
        return true;
    }
    const std::int64_t now = clock_();
    if (static_cast<double>(now - last_) * 0.001 < limitSeconds_) step_ *= 5;
    last_ = now;
    if (raiseLimit_) limitSeconds_ *= 1.1;
    next_ = (i / step_ + 1) * step_;
    return false;
}

}  // namespace zatriangles
