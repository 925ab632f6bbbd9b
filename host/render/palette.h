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

}  // namespace zcad::render
