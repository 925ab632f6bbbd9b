// Binary DXF: the same groups as the text form, each a little-endian code
// (one byte before R13, with 255 escaping a two-byte code) and a value
// whose form the code decides. Values come out as the text the ASCII form
// would carry, so one reader serves both.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zcad::dxf {

constexpr std::string_view kBinarySentinel{"AutoCAD Binary DXF\r\n\x1a\0", 22};

// Room a value's text may need: a binary chunk of 255 bytes in hexadecimal.
constexpr std::size_t kBinaryTextBytes = 2 * 255 + 1;

struct BinaryCursor {
    const char* pos;
    const char* end;
    bool wideCodes;  // two-byte codes (R13 and later)
};

// Whether the groups after the sentinel use two-byte codes: the first
// group is 0 SECTION, so its second byte tells.
bool binaryHasWideCodes(std::string_view afterSentinel);

// Reads one group. Numbers and binary chunks are written as text into
// `text` (kBinaryTextBytes); strings are views of the file. On bad input
// returns false with `error` set; at the end returns false with it empty.
bool readBinaryGroup(BinaryCursor& cursor, int& code, std::string_view& value, char* text, std::string& error);

}  // namespace zcad::dxf
