// The options of a string export that the user may change for a run: the
// breakup rule, and how a layer name becomes a point's text.
#pragma once

#include "geometry/arc_breakup.h"
#include "settings/settings_record.h"

// The values of a breakup rule the settings hold.
inline constexpr double kZaLeastBreakupValue = 0.00001;
inline constexpr double kZaMostBreakupValue = 40000;

// The last characters of a long layer name that its text keeps.
inline constexpr int kZaLastCharsLeast = 1;
inline constexpr int kZaLastCharsMost = 12;

struct ZaUROutOptions {
    ZaBreakupOptions breakup;
    int lastNumberText = 8;  // 1 to 12
    bool createNote = true;  // a 2-character entity tag after the layer name
    bool last8Layer = true;  // a long layer name keeps its last characters
    bool useText = true;     // carried for the plot export; no string export reads it
    bool createPoint = true;

    bool operator==(const ZaUROutOptions&) const = default;
};

// The XYZ export group of the settings, N brought into 1 to 12.
ZaUROutOptions zaUROutOptions(const ZaSettings& settings);
// Into the group in memory; the registry is not written.
void zaStoreUROutOptions(const ZaUROutOptions& options, ZaSettings& settings);

int zaLastCharsInRange(int n);
