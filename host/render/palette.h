// The 255 indexed colours of a drawing (group 62), as every CAD program
// shows them.
#pragma once

#include <cstdint>

namespace zcad::render {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// Index 1 to 255; 7 is the foreground (white here, black on paper) and the
// caller decides which. Anything else gives 7.
Rgb indexedColour(int index);

// A true colour as group 420 holds it: 0x00RRGGBB.
Rgb trueColour(std::int64_t value);

// `colour`, or `ink` when it is so close to `ground` that it would not show:
// white lines on white paper (QCAD gives every layer true-colour white) are
// drawn as a CAD screen draws colour 7, in the ground's contrast colour.
Rgb legibleOn(const Rgb& colour, const Rgb& ground, const Rgb& ink);

}  // namespace zcad::render
