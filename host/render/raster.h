// Lines one pixel wide drawn straight into a picture's pixels: cairo's
// stroker costs microseconds a segment, which a drawing of millions of
// short lines cannot afford.
#pragma once

#include <cstdint>

#include "palette.h"
#include "view.h"

namespace zcad::render {

// 32-bit pixels, 0xAARRGGBB; premultiplied when the picture has alpha, so
// that the same blend serves a layer to be laid over another.
class Raster {
public:
    Raster(unsigned char* pixels, int stride, int width, int height) : pixels_(pixels), stride_(stride), width_(width), height_(height) {}

    void colour(const Rgb& c) { ink_ = 0xFF000000u | static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b; }
    // Xiaolin Wu's line: along the longer axis, each step shares the ink
    // between the two pixels the line passes between. The ends must lie in
    // the picture.
    void line(P2 a, P2 b);
    // A square of two by two pixels.
    void dot(const P2& at);

private:
    // Lays the ink over the pixel at `cover` 256ths, rounded to the nearest:
    // cut down instead, a pixel under many faint passes would drift.
    void blend(int x, int y, std::uint32_t cover) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_ || cover == 0) return;
        auto* pixel = reinterpret_cast<std::uint32_t*>(pixels_ + static_cast<std::ptrdiff_t>(y) * stride_) + x;
        const std::uint32_t p = *pixel;
        const std::uint32_t keep = 256 - cover;
        const std::uint32_t rb = ((ink_ & 0xFF00FFu) * cover + (p & 0xFF00FFu) * keep + 0x800080u) >> 8 & 0xFF00FFu;
        const std::uint32_t ag = (((ink_ >> 8) & 0xFF00FFu) * cover + ((p >> 8) & 0xFF00FFu) * keep + 0x800080u) & 0xFF00FF00u;
        *pixel = rb | ag;
    }

    unsigned char* pixels_;
    int stride_;
    int width_;
    int height_;
    std::uint32_t ink_ = 0xFF000000u;
};

}  // namespace zcad::render
