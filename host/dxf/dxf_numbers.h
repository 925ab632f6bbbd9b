// Numbers as DXF text: reals in the shortest form that reads back as the
// same double, integers, hexadecimal handles. Reals and integers are read
// as everywhere in the host (text/number_text.h).
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
// Whether formatDegrees(radians) reads back as `degrees`, which gave the
// radians. Several doubles of degrees can give the same radians, so not
// always: such degrees are kept as read to be written again.
bool degreesComeBack(double degrees, double radians);
std::size_t formatInteger(char* out, std::int64_t value);
std::size_t formatHandle(char* out, std::uint64_t handle);

double degreesToRadians(double degrees);

// A whole value line; blanks around the digits are allowed.
bool parseHandle(std::string_view text, std::uint64_t& value);

}  // namespace zcad::dxf
