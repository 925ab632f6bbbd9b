// A Windows command line split into its arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zplat {

// Blanks separate arguments outside double quotes; 2n backslashes before a
// quote stand for n and the quote opens or closes, 2n+1 stand for n and a
// literal quote; other backslashes are themselves.
std::vector<std::string> splitCommandLine(std::string_view line);

}  // namespace zplat
