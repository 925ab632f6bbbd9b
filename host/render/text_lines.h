// Texts drawn in the stroke font, cell by cell, inside the box the host
// measures them by.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sink.h"

namespace zcad::render {

// A line of text in the picture: `origin` is the lower left corner of its
// first cell on the baseline, `across` one cell along the line and `up` one
// text height.
struct TextFrame {
    P2 origin;
    P2 across;
    P2 up;
};

// Draws one line of host text with its %% codes (%%d, %%p, %%c, %%%,
// %%nnn one character each; %%o and %%u switch over- and underscore).
void drawTextLine(std::string_view text, const TextFrame& frame, Sink& sink);

// The lines an MTEXT shows: its paragraphs with the formatting codes taken
// out, a paragraph wider than `widthLimit` (when not 0) cut into as many
// even pieces as the host's measure of the MTEXT gives it.
std::vector<std::string> mtextLines(std::string_view content, double height, double widthLimit);

}  // namespace zcad::render
