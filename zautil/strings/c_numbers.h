// Numbers in fixed columns of the suite's text files, read and written as
// its C programs do (atoi, atof, printf) but without locale, allocation or
// unbounded buffers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zastrings {

// Leading white space, a sign, then the longest number; no number reads as 0.
std::int32_t readCInt(std::string_view text);
double readCReal(std::string_view text);

// printf's "%*d" and "%*.*f": right-aligned in width, widened when the
// number needs more.
void appendInt(std::string& out, std::int32_t value, int width);
void appendFixed(std::string& out, double value, int width, int decimals);

}  // namespace zastrings
