// The fixed-column text lines that plot.lay and the plot files share: each
// field owns a column range, numbers right-aligned, names left-aligned.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A line of a given buffer width W: W - 2 columns of text, then the line end
// and the terminator of the suite's buffers, which are not held here.
class ZaFixedLine {
public:
    explicit ZaFixedLine(std::size_t bufferWidth);

    // Back to all spaces, for the next line.
    void clear();

    // Too long for the range: an integer keeps its rightmost characters, a
    // real and a string their leftmost. Columns past the line are dropped.
    void putInt(std::size_t column, std::size_t width, std::int32_t value);
    void putReal(std::size_t column, std::size_t width, double value);
    void putString(std::size_t column, std::size_t width, std::string_view text);

    // The columns, without a line end.
    std::string_view text() const { return text_; }

private:
    void place(std::size_t column, std::size_t width, std::string_view field, bool keepRight);

    std::string text_;
};

// A real in general format with 9 significant digits; a whole value keeps
// its decimal point ("100."), as the suite's writers leave it.
std::string zaGeneralReal(double value);

// Fields of a line read by column range; columns past the end of the line
// read as nothing. Numbers stop at the first character that cannot go on.
std::int32_t zaGetIntField(std::string_view line, std::size_t column, std::size_t width);
double zaGetRealField(std::string_view line, std::size_t column, std::size_t width);
// Without leading spaces and without trailing characters of code 32 or below.
std::string_view zaGetStringField(std::string_view line, std::size_t column, std::size_t width);

// The range [column, column + width) of the line, cut at its end.
std::string_view zaColumns(std::string_view line, std::size_t column, std::size_t width);
