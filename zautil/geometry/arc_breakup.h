// Breaking an arc into points by one of four rules: none, flatness (the
// most a chord may stand off the arc), chord length, or divisions per
// quarter circle. The exports write the points; this only places them.
#pragma once

#include "geometry/bulge_arc.h"

enum ZaBreakupType : int {
    kZaBreakupNone = 0,
    kZaBreakupFlatness = 1,
    kZaBreakupChord = 2,
    kZaBreakupQuarterly = 3,
};

struct ZaBreakupOptions {
    int type = kZaBreakupFlatness;
    // Chord rule only: equal parts, or exact chords and a shorter last part.
    bool rounding = true;
    // Flatness, chord length, or divisions per quarter circle.
    double value = 8.0;

    bool operator==(const ZaBreakupOptions&) const = default;
};

// A rule asking for more steps on one arc than this gets this many equal
// ones: no drawing needs them, and a strange arc must not stall an export.
inline constexpr int kZaMostArcSteps = 1000000;

// Where the points of one arc fall: count + 1 points from the first angle,
// step apart (signed by the direction), then one more at the arc's end when
// the steps stop short of it.
struct ZaArcSteps {
    double first = 0;
    double step = 0;
    int count = 1;
    double remainder = 0;  // the angle from the last step to the arc's end
    bool endPoint = false;
    bool limited = false;  // the rule asked for more than kZaMostArcSteps
};

ZaArcSteps zaArcSteps(const ZaBreakupOptions& options, const ZaArc& arc);

// The point at an angle, at the centre's level.
ZaPoint zaArcPoint(const ZaArc& arc, double angle);

// Hands each point of the arc to visit in order; stops at the first false.
template <class Visit>
bool zaWalkArc(const ZaArc& arc, const ZaArcSteps& steps, Visit&& visit) {
    for (int i = 0; i <= steps.count; ++i) {
        if (!visit(zaArcPoint(arc, i * steps.step + steps.first))) return false;
    }
    if (!steps.endPoint) return true;
    return visit(zaArcPoint(arc, steps.first + steps.count * steps.step + steps.remainder));
}
