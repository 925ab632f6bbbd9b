// A plain stroke font, the kind CAD programs draw text with: every
// character in a cell of the host's fixed pitch, so that what is drawn
// fills the box the host measures text by.
#pragma once

#include <string_view>

namespace zcad::render {

// The strokes of one Windows-1252 character as pairs of digits "xy": x from
// 0 to 6 across the character, y from 0 (descender) over 2 (baseline) to 8
// (capital height); strokes separated by blanks, a stroke of one point a
// dot. Characters with no strokes of their own borrow those of the letter
// they are made from (accents left off) or show as a box.
std::string_view glyphStrokes(unsigned char c);

}  // namespace zcad::render
