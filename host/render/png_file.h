// A picture's pixels written as a PNG file. cairo writes at zlib's default
// level, which takes a third of a second for a busy picture; drawings
// compress almost as well at its fastest.
#pragma once

#include <string>

namespace zcad::render {

// `pixels` are rows of 32-bit 0x00RRGGBB, `stride` bytes apart; the PNG is
// 8-bit RGB. Why it could not be written, or nothing.
std::string writePng(const std::string& path, const unsigned char* pixels, int width, int height, int stride);

}  // namespace zcad::render
