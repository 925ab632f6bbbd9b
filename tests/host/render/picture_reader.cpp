#include "picture_reader.h"

#include <cairo.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace zcad::testing {

Png::Png(const std::string& path) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(surface);
        width_ = cairo_image_surface_get_width(surface);
        height_ = cairo_image_surface_get_height(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        for (int y = 0; y < height_; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
            for (int x = 0; x < width_; ++x) {
                const std::uint32_t p = row[x];
                pixels_.push_back({static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)});
            }
        }
        ground_ = at(0, 0);
    }
    cairo_surface_destroy(surface);
}

render::Rgb Png::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return ground_;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

// The pixel is ground + a (colour - ground) with a >= 0.4, channel by channel.
bool Png::mostly(const render::Rgb& pixel, const render::Rgb& colour) const {
    const int p[3] = {pixel.r, pixel.g, pixel.b};
    const int c[3] = {colour.r, colour.g, colour.b};
    const int g[3] = {ground_.r, ground_.g, ground_.b};
    double share = -1;
    for (int k = 0; k < 3; ++k) {
        if (std::abs(c[k] - g[k]) < 40) {
            if (std::abs(p[k] - g[k]) > 40) return false;
            continue;
        }
        const double a = static_cast<double>(p[k] - g[k]) / (c[k] - g[k]);
        if (share >= 0 && std::fabs(a - share) > 0.25) return false;
        share = share < 0 ? a : std::min(share, a);
    }
    return share >= 0.4;
}

bool Png::inkNear(double x, double y, const render::Rgb& colour, int radius) const {
    const int cx = static_cast<int>(std::lround(x));
    const int cy = static_cast<int>(std::lround(y));
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (mostly(at(cx + dx, cy + dy), colour)) return true;
        }
    }
    return false;
}

std::size_t Png::count(const render::Rgb& colour) const {
    std::size_t n = 0;
    for (const auto& p : pixels_) n += mostly(p, colour) ? 1 : 0;
    return n;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace zcad::testing
