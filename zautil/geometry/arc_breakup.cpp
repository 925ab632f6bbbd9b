#include "geometry/arc_breakup.h"

#include <cmath>

namespace {

constexpr double kQuarterTurn = 90.0 / 180.0 * 3.141592653589793;

// Steps over the sweep for one rule: as many as it asks, at least one (an
// arc of no sweep still has its two ends), at most kZaMostArcSteps.
struct StepCount {
    int count = 1;
    bool limited = false;
};

StepCount bounded(double wanted) {
    if (!(wanted >= 1)) return {};  // none, or not a number
    if (wanted > kZaMostArcSteps) return {kZaMostArcSteps, true};
    return {static_cast<int>(wanted), false};
}

// The steps the flatness rule asks for: the chord that keeps the arc within
// value of its mid-point, laid along the arc's length.
double flatnessSteps(double r, double sweep, double value) {
    if (r <= value) return 1;
    return std::ceil(r * sweep / (2 * std::sqrt(r * r - (r - value) * (r - value))));
}

double wantedSteps(const ZaBreakupOptions& options, double r, double sweep) {
    const double value = options.value;
    switch (options.type) {
    case kZaBreakupQuarterly:
        return std::ceil(sweep / (kQuarterTurn / value));
    case kZaBreakupChord:
        if (r * sweep <= value) return 1;
        return options.rounding ? std::ceil(r * sweep / value) : std::floor(r * sweep / value);
    case kZaBreakupFlatness:
        return flatnessSteps(r, sweep, value);
    default:
        return 1;
    }
}

}  // namespace

ZaArcSteps zaArcSteps(const ZaBreakupOptions& options, const ZaArc& arc) {
    const double sweep = arc.end - arc.start;
    const double d = arc.direction < 0 ? -1.0 : 1.0;
    const double last = d > 0 ? arc.end : arc.start;
    ZaArcSteps steps;
    steps.first = d > 0 ? arc.start : arc.end;
    const StepCount n = bounded(wantedSteps(options, arc.radius, sweep));
    steps.count = n.count;
    steps.limited = n.limited;
    steps.step = d * sweep / n.count;
    const bool exactChords = options.type == kZaBreakupChord && !options.rounding && !n.limited &&
                             arc.radius * sweep > options.value;
    if (!exactChords) return steps;
    steps.step = d * sweep * options.value / (arc.radius * sweep);
    steps.remainder = (last - steps.first) - n.count * steps.step;
    // The last part is the shorter one in either direction, so the walk
    // always ends on the arc's end: for a polyline that end is a vertex.
    steps.endPoint = d * steps.remainder > 0;
    return steps;
}

ZaPoint zaArcPoint(const ZaArc& arc, double angle) {
    return {std::cos(angle) * arc.radius + arc.centre[0], std::sin(angle) * arc.radius + arc.centre[1], arc.centre[2]};
}
