#include "raster.h"

#include <cmath>
#include <utility>

namespace zcad::render {

void Raster::line(P2 a, P2 b) {
    // Pixel centres at whole numbers.
    a = {a.x - 0.5, a.y - 0.5};
    b = {b.x - 0.5, b.y - 0.5};
    const bool steep = std::fabs(b.y - a.y) > std::fabs(b.x - a.x);
    if (steep) {
        std::swap(a.x, a.y);
        std::swap(b.x, b.y);
    }
    if (a.x > b.x) std::swap(a, b);
    const double gradient = b.x > a.x ? (b.y - a.y) / (b.x - a.x) : 0.0;
    const int first = static_cast<int>(std::floor(a.x + 0.5));
    const int last = static_cast<int>(std::floor(b.x + 0.5));
    double y = a.y + gradient * (first - a.x);
    for (int x = first; x <= last; ++x, y += gradient) {
        // y is never below -1 for a line inside the picture.
        const int row = static_cast<int>(y + 1) - 1;
        const auto below = static_cast<std::uint32_t>((y - row) * 256);
        if (steep) {
            blend(row, x, 256 - below);
            blend(row + 1, x, below);
        } else {
            blend(x, row, 256 - below);
            blend(x, row + 1, below);
        }
    }
}

void Raster::dot(const P2& at) {
    const int x = static_cast<int>(std::floor(at.x - 0.5));
    const int y = static_cast<int>(std::floor(at.y - 0.5));
    for (int k = 0; k < 4; ++k) blend(x + k % 2, y + k / 2, 256);
}

}  // namespace zcad::render
