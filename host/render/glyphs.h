// Characters drawn on a sink: in the stroke font when it has them, else in
// a system font, else as a box.
#pragma once

#include "sink.h"

namespace zcad::render {

// Where a character goes in the picture: `origin` is the pen on the
// baseline, `across` one text height along the line (times the width
// factor), `up` one text height up (slanted for oblique text).
struct TextFrame {
    P2 origin;
    P2 across;
    P2 up;

    P2 at(double u, double v) const { return {origin.x + u * across.x + v * up.x, origin.y + u * across.y + v * up.y}; }
};

// Single-line texts keep the host's pitch, every character a cell one text
// height wide; MTEXT is set by each character's own width.
enum class Pitch { Fixed, Proportional };

// How far the pen moves past `c`, in text heights.
double glyphAdvance(char32_t c, Pitch pitch);

void drawGlyph(char32_t c, const TextFrame& frame, Pitch pitch, Sink& sink);

}  // namespace zcad::render
