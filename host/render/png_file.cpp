#include "png_file.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>

namespace zcad::render {

namespace {

struct Closer {
    std::FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~Closer() {
        if (png) png_destroy_write_struct(&png, info ? &info : nullptr);
        if (file) std::fclose(file);
    }
};

}  // namespace

std::string writePng(const std::string& path, const unsigned char* pixels, int width, int height, int stride) {
    Closer c;
    c.file = std::fopen(path.c_str(), "wb");
    if (!c.file) return "cannot open it";
    c.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!c.png) return "out of memory";
    c.info = png_create_info_struct(c.png);
    if (!c.info) return "out of memory";
    // libpng reports its failures by jumping back here.
    if (setjmp(png_jmpbuf(c.png))) return "a write failed";
    png_init_io(c.png, c.file);
    png_set_IHDR(c.png, c.info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(c.png, 1);
    png_set_filter(c.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_write_info(c.png, c.info);
    // Little-endian words: blue, green, red, then the unused byte.
    png_set_bgr(c.png);
    png_set_filler(c.png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < height; ++y) png_write_row(c.png, pixels + static_cast<std::ptrdiff_t>(y) * stride);
    png_write_end(c.png, nullptr);
    if (std::fflush(c.file) != 0) return "a write failed";
    return {};
}

}  // namespace zcad::render
