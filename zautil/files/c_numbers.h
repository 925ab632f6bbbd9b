// Numbers in the suite's text files, read and written as its C programs do
// (atoi, atof, strtol, sscanf, printf) but without locale, allocation or
// unbounded buffers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zafiles {

// strtol and strtod at the front of the text: white space, a sign, then the
// longest number, which is taken off the text. Nothing, and the text left
// as it was, when no number stands there. Integers saturate as strtol's do;
// a real too large is infinite and one too small is zero.
std::optional<std::int32_t> takeCInt(std::string_view& text);
std::optional<double> takeCReal(std::string_view& text);

// atoi and atof: no number reads as 0.
std::int32_t readCInt(std::string_view text);
double readCReal(std::string_view text);

// printf's "%*d" and "%*.*f": right-aligned in width, widened when the
// number needs more.
void appendInt(std::string& out, std::int32_t value, int width);
void appendFixed(std::string& out, double value, int width, int decimals);

}  // namespace zafiles
