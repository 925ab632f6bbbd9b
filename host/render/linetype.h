// Dashed lines: a linetype's pattern walked along what an entity draws.
#pragma once

#include <vector>

#include "sink.h"
#include "zcad/database.h"

namespace zcad::render {

// Dashes (positive), gaps (negative) and dots (0), in drawing units.
struct LinePattern {
    std::vector<double> elements;
    double period = 0;

    bool continuous() const { return !(period > 0); }
};

// The pattern of an LTYPE record (its 49 groups; shapes and texts in it are
// left out, their room kept). Continuous when it has none that make sense.
LinePattern linePattern(const TableRecord& record);

// Walks a pattern along chains of segments: a segment that starts where
// the last ended carries on with the pattern; any other starts it afresh.
class Dasher {
public:
    // `scale` takes pattern units to picture units; a null pattern draws
    // lines whole. Dashes are drawn only inside `clip`, the picture.
    void start(const LinePattern* pattern, double scale, const Area& clip);
    // The next segment starts the pattern afresh, wherever it starts.
    void restart() { joined_ = false; }
    void segment(const P2& from, const P2& to, Sink& sink);

private:
    const LinePattern* pattern_ = nullptr;
    double scale_ = 1;
    Area clip_;
    double position_ = 0;  // along the pattern, in picture units
    bool joined_ = false;
    P2 end_;
};

}  // namespace zcad::render
