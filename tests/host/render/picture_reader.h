// Reading a written picture back: PNG pixels through cairo, SVG paths as text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/palette.h"

namespace zcad::testing {

class Png {
public:
    explicit Png(const std::string& path);
    bool valid() const { return width_ > 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    render::Rgb at(int x, int y) const;
    // True when a pixel within `radius` of (x, y) is mostly `colour` over
    // the ground: anti-aliased lines blend with it.
    bool inkNear(double x, double y, const render::Rgb& colour, int radius = 1) const;
    // Pixels of that colour (mostly, as above) anywhere.
    std::size_t count(const render::Rgb& colour) const;

private:
    bool mostly(const render::Rgb& pixel, const render::Rgb& colour) const;
    int width_ = 0;
    int height_ = 0;
    std::vector<render::Rgb> pixels_;
    render::Rgb ground_;
};

std::string readFile(const std::string& path);

}  // namespace zcad::testing
