// A polyline's vertices as segments, arcs as the breakup rule's chords.
#pragma once

#include <vector>

#include "geometry/arc_breakup.h"
#include "pads/pad_records.h"

namespace zapads {

// Segments shorter than the shortest stored are not stored; along a
// polyline the point that would end one is passed over, so that the next
// segment starts where it would have, and the chain never breaks.
class PadChain {
public:
    explicit PadChain(std::vector<PadSegment>& segments) : segments_(segments) {}

    void start(const ZaPoint& p);
    void to(const ZaPoint& p);
    // A chain whose last points were passed over still reaches its end:
    // the last segment stored for it is drawn out to it.
    void end();

private:
    std::vector<PadSegment>& segments_;
    std::size_t first_ = 0;
    ZaPoint from_;
    ZaPoint last_;
    bool passedOver_ = false;
};

// The bulged segment from p1 to p2 (the chain is at p1) as chords by the
// rule, ending on p2 itself.
void padAppendArc(PadChain& chain, const ZaPoint& p1, const ZaPoint& p2, double bulge, const ZaBreakupOptions& rule);

// A LINE's segment, unless it is shorter than the shortest stored.
void padAppendLine(std::vector<PadSegment>& segments, const ZaPoint& a, const ZaPoint& b);

}  // namespace zapads
