// Path texts as the suite writes them, read on a system whose separator is
// '/': either separator is accepted, '/' is the one added.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The size of the suite's path buffers (MAX_PATH).
inline constexpr std::size_t kZaPathSize = 260;

bool zaIsPathSeparator(char c);
bool zaEndsInSeparator(std::string_view path);
// The directory with a separator added when it ends in none.
std::string zaWithSeparator(std::string_view directory);
// The root of the current drive, ending in a separator: ZARVO_DRIVE_ROOT
// when set, else "/".
std::string zaDriveRoot();
