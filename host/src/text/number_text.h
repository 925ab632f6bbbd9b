// Numbers as text, read by one rule wherever the host takes them (answers
// to prompts, words of host commands, DXF values): blanks around, an
// optional sign, decimal digits with a point and an exponent. Infinities,
// NaN and hexadecimal are refused: no drawing has a use for them.
#pragma once

#include <cstdint>
#include <string_view>

namespace zcad {

bool parseReal(std::string_view text, double& value);
// Whole numbers only: "4.0" is not one.
bool parseInteger(std::string_view text, std::int64_t& value);

// "x,y" or "x,y,z", blanks allowed around each number; z is 0 when absent.
bool parsePoint(std::string_view text, double point[3]);

}  // namespace zcad
