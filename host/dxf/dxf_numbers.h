// Numbers as DXF text: reals in the shortest form that reads back as the
// same double, integers, hexadecimal handles; strict parsing of integers
// and handles (reals are read as everywhere in the host, number_text.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zcad::dxf {

// Longest text any of the formatters below produces.
constexpr std::size_t kMaxNumberChars = 32;

// Writes into `out` (at least kMaxNumberChars) and returns the length.
std::size_t formatReal(char* out, double value);
// An angle stored in radians, written in degrees so that reading it back
// (degrees times pi/180) gives the stored radians again.
std::size_t formatDegrees(char* out, double radians);
std::size_t formatInteger(char* out, std::int64_t value);
std::size_t formatHandle(char* out, std::uint64_t handle);

double degreesToRadians(double degrees);

// Parsers take a whole value line; blanks around the number are allowed.
bool parseInteger(std::string_view text, std::int64_t& value);
bool parseHandle(std::string_view text, std::uint64_t& value);

}  // namespace zcad::dxf
