#include "alignment/hal_intervals.h"

#include <algorithm>

double zaIntervalInRange(double interval) {
    if (!(interval >= kZaLeastInterval)) return kZaLeastInterval;
    return std::min(interval, kZaMostInterval);
}

ZaHalIntervals zaHalIntervals(const ZaSettings& settings) {
    return {zaIntervalInRange(settings.halStraightInterval), zaIntervalInRange(settings.halCurveInterval)};
}
