// Single-line texts drawn in the stroke font, cell by cell, inside the box
// the host measures them by.
#pragma once

#include <span>

#include "glyphs.h"
#include "text_codes.h"

namespace zcad::render {

// Below this height in picture units letters cannot be told apart; a line
// through the middle of the text shows where it is, as CAD screens do.
constexpr double kLegibleHeight = 2.5;

// Draws the characters one cell (`frame.across`) apart from frame.origin,
// with their over- and underscores.
void drawTextLine(std::span<const LineChar> chars, const TextFrame& frame, Sink& sink);

}  // namespace zcad::render
