// Characters the stroke font lacks (Chinese, Cyrillic, Greek, symbols),
// drawn as the filled outlines of an installed font that fontconfig finds
// for each, through cairo.
#pragma once

#include <cstdint>
#include <vector>

#include "view.h"

namespace zcad::render {

// One character's outline in text heights: the baseline at y 0, y up, the
// height of a capital 1, the pen at x 0; closed contours that fill by the
// non-zero rule.
struct Outline {
    std::vector<P2> points;
    std::vector<std::uint32_t> ends;  // one past each contour's last point
    double advance = 0;
};

// The outline of `c`, or null when no installed font has it. Safe to call
// from several threads; the outlines live as long as the program.
const Outline* systemGlyph(char32_t c);

}  // namespace zcad::render
