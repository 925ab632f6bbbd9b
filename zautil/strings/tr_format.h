// The line layout of TR files: an optional header line, then one
// fixed-column line per point.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "strings/string_record.h"

namespace zastrings {

// The header the writer puts first, with its line end.
inline constexpr std::string_view kTRHeaderLine = "Zarvo\tVersion 2.2 and over\tFrom AutoCAD 2000 Interface\r\n";

// The point number column holds 6 digits; a string number must fit its
// column as it stands, as the reader takes it.
inline constexpr std::int32_t kTRNumberLimit = 999999;

// The most characters of a data line before its line end.
inline constexpr std::size_t kTRLineLimit = 126;

// A data line begins with 7 characters, each a space or a digit.
bool isTRDataLine(std::string_view line);

// The columns of a data line; a field beyond the end of the line reads what
// the line has. The point number is not read; the text is the code and up to
// 12 notes, the notes only after a whole 4-character code.
void parseTRLine(std::string_view line, StringRecord& record);

// A data line that gives a point: its string number column holds a number,
// its x and y columns are whole and hold finite numbers, and z is finite.
// A last line with no line end may have been cut by the end of the file, so
// it must hold its z column whole too. A missing z still reads as 0 on a
// line that has its line end.
bool parseTRPoint(std::string_view line, bool lineEnded, StringRecord& record);

// Appends one data line, "%6d%6d%13.4f%13.4f%10.4f %-4.4s %.16s", ended by
// CRLF. Numbers too wide for their columns widen them and shift the columns
// after them: false then, as the line no longer reads back.
bool appendTRLine(std::string& out, std::int32_t stringNumber, std::int32_t pointNumber, double x, double y, double z,
                  std::string_view text);

}  // namespace zastrings
