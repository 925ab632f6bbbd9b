// A plain stroke font, the kind CAD programs draw text with. Each character
// is drawn on a grid: x from 0 to 6 across it, y from 0 (descender) over 2
// (baseline) to 8 (capital height) and 9 (accents on capitals).
#pragma once

#include <string_view>

namespace zcad::render {

// The strokes of one character as pairs of digits "xy", strokes separated
// by blanks, a stroke of one point a dot; the accent, when it has one, the
// same way.
struct StrokeGlyph {
    std::string_view strokes;
    std::string_view accent;
};

// False when the font has no strokes for `c`; letters with accents are the
// letter and its accent.
bool strokeGlyph(char32_t c, StrokeGlyph& out);

// What a character no font has is drawn as.
StrokeGlyph strokeBox();

// The columns the glyph's strokes take, from `left` to `right`; false for
// one with no strokes (a space).
bool strokeColumns(const StrokeGlyph& glyph, int& left, int& right);

}  // namespace zcad::render
