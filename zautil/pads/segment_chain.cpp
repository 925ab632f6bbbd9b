#include "pads/segment_chain.h"

namespace zapads {

namespace {

// Squared, as the shortest stored is.
bool longEnough(const ZaPoint& a, const ZaPoint& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    return dx * dx + dy * dy > kPadShortestSquared;
}

}  // namespace

void PadChain::start(const ZaPoint& p) {
    first_ = segments_.size();
    from_ = p;
    last_ = p;
    passedOver_ = false;
}

void PadChain::to(const ZaPoint& p) {
    if (!padFinite(p)) return;
    last_ = p;
    if (!longEnough(from_, p)) {
        passedOver_ = true;
        return;
    }
    segments_.push_back({from_, p});
    from_ = p;
    passedOver_ = false;
}

void PadChain::end() {
    if (passedOver_ && segments_.size() > first_) segments_.back().b = last_;
    passedOver_ = false;
}

void padAppendArc(PadChain& chain, const ZaPoint& p1, const ZaPoint& p2, double bulge, const ZaBreakupOptions& rule) {
    const auto arc = zaBulgeArc({p1.x, p1.y, 0}, {p2.x, p2.y, 0}, bulge);
    if (!arc) {
        chain.to(p2);
        return;
    }
    // The walk's first point is p1 and its last p2, each worked out again
    // from the centre: the vertices themselves stand in for both, so that
    // the chords meet the lines drawn to those vertices.
    bool first = true;
    bool holding = false;
    ZaPoint held;
    zaWalkArc(*arc, zaArcSteps(rule, *arc), [&](const ZaPoint& p) {
        if (first) {
            first = false;
            return true;
        }
        if (holding) chain.to(held);
        held = {p[0], p[1]};
        holding = true;
        return true;
    });
    chain.to(p2);
}

void padAppendLine(std::vector<PadSegment>& segments, const ZaPoint& a, const ZaPoint& b) {
    if (padFinite(a) && padFinite(b) && longEnough(a, b)) segments.push_back({a, b});
}

}  // namespace zapads
