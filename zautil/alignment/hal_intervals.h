// The cross-section intervals an HAL file carries on every HT line.
#pragma once

#include "settings/settings_record.h"

struct ZaHalIntervals {
    double straight = 20.0;  // spacing of cross-sections on straights
    double curve = 10.0;     // and on curves
};

// Closer cross-sections than this the suite is not given.
inline constexpr double kZaLeastInterval = 1.0;
// The most the settings hold; wider would not fit the HT line's column.
inline constexpr double kZaMostInterval = 1000.0;

// Brought into the range: raised to the least, lowered to the most.
double zaIntervalInRange(double interval);

// The settings' intervals, in range.
ZaHalIntervals zaHalIntervals(const ZaSettings& settings);
