// Host text is single-byte Windows-1252; the terminal speaks UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace zcad {

void appendUtf8FromCp1252(std::string& out, std::string_view text);
// Characters with no Windows-1252 form become '?'.
std::string cp1252FromUtf8(std::string_view text);

}  // namespace zcad
