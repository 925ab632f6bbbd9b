#include "palette.h"

#include <algorithm>
#include <cstdlib>

namespace zcad::render {

namespace {

constexpr Rgb kFirstNine[] = {{0, 0, 0},     {255, 0, 0},   {255, 255, 0},   {0, 255, 0},    {0, 255, 255},
                              {0, 0, 255},   {255, 0, 255}, {255, 255, 255}, {128, 128, 128}, {192, 192, 192}};
constexpr Rgb kGreys[] = {{51, 51, 51}, {80, 80, 80}, {105, 105, 105}, {130, 130, 130}, {190, 190, 190}, {255, 255, 255}};
// Indices 10 to 249 go round the hue circle in 24 steps of 15 degrees; in
// each group of ten, pairs grow darker, and the second of a pair is the
// half-saturated tint of the first.
constexpr int kLevels[] = {255, 204, 153, 127, 76};

// Channel strength 0..4 quarters at a hue step 0..23 for red, green, blue.
int quarters(int hue, int channel) {
    const int h = ((hue - channel * 8) % 24 + 24) % 24;  // red at 0, green at 8, blue at 16
    const int d = std::min(h, 24 - h);                   // steps away from the channel's own hue
    if (d <= 4) return 4;
    if (d >= 8) return 0;
    return 8 - d;
}

}  // namespace

Rgb indexedColour(int index) {
    if (index < 1 || index > 255) return kFirstNine[7];
    if (index < 10) return kFirstNine[index];
    if (index >= 250) return kGreys[index - 250];
    const int hue = index / 10 - 1;
    const int level = kLevels[(index % 10) / 2];
    const bool tint = index % 2 == 1;
    std::uint8_t c[3];
    for (int channel = 0; channel < 3; ++channel) {
        const int q = quarters(hue, channel);
        const int full = level * q / 4;
        c[channel] = static_cast<std::uint8_t>(tint ? (level * (4 + q)) / 8 : full);
    }
    return {c[0], c[1], c[2]};
}

Rgb trueColour(std::int64_t value) {
    return {static_cast<std::uint8_t>((value >> 16) & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
            static_cast<std::uint8_t>(value & 0xFF)};
}

Rgb legibleOn(const Rgb& colour, const Rgb& ground, const Rgb& ink) {
    // Within this of the ground on every channel, a line is all but lost.
    constexpr int kLeast = 32;
    const auto near = [](int a, int b) { return std::abs(a - b) < kLeast; };
    return near(colour.r, ground.r) && near(colour.g, ground.g) && near(colour.b, ground.b) ? ink : colour;
}

}  // namespace zcad::render
