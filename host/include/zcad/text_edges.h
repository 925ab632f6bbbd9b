// Text at the host's edges. Inside, the drawing, the module and the host
// keep Windows-1252 as on their home platform; outside (the terminal,
// scripts, file names, the environment) text is UTF-8.
#pragma once

#include <string>
#include <string_view>

#pragma GCC visibility push(default)

namespace zcad {

// Host text as UTF-8, for the terminal and standard output.
std::string utf8OfHostText(std::string_view text);
void appendUtf8OfHostText(std::string& out, std::string_view text);

// A line typed or read from a script, as host text. A line that is not
// valid UTF-8 is taken as Windows-1252 as it stands (scripts written on
// Windows); a character the code page cannot hold is refused, never
// dropped: `refused` is then that character, and `text`, to show what was
// refused, has '?' in its place.
struct InputLine {
    std::string text;
    char32_t refused = 0;
};
InputLine hostTextOfInput(std::string_view line);
// "U+6587": a refused character named in plain ASCII, which every
// message can carry.
std::string describeCharacter(char32_t character);

// The one way from a file name held as host text to the name the file
// system knows it by: every open, create, test and removal of a file the
// host, the platform or the module names goes through it.
std::string fileSystemName(std::string_view hostText);

// A name or a message from outside (the command line, the environment, the
// file system, a message naming a file) as host text, to show it or hand it
// to the module. Text that is not UTF-8, or holds a character the code page
// lacks, is kept byte for byte.
std::string hostTextOfUtf8(std::string_view name);

}  // namespace zcad

#pragma GCC visibility pop
