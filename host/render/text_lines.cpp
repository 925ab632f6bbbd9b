#include "text_lines.h"

#include <cmath>

namespace zcad::render {

void drawTextLine(std::span<const LineChar> chars, const TextFrame& frame, Sink& sink) {
    const auto cells = static_cast<double>(chars.size());
    if (cells == 0) return;
    if (std::hypot(frame.up.x, frame.up.y) < kLegibleHeight) return sink.segment(frame.at(0, 0.5), frame.at(cells, 0.5));
    double cell = 0;
    for (const LineChar& c : chars) {
        drawGlyph(c.c, {frame.at(cell, 0), frame.across, frame.up}, Pitch::Fixed, sink);
        if (c.under) sink.segment(frame.at(cell, -0.15), frame.at(cell + 1, -0.15));
        if (c.over) sink.segment(frame.at(cell, 1.15), frame.at(cell + 1, 1.15));
        cell += 1;
    }
}

}  // namespace zcad::render
