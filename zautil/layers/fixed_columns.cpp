#include "layers/fixed_columns.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "files/c_numbers.h"
#include "files/text_rules.h"

ZaFixedLine::ZaFixedLine(std::size_t bufferWidth) : text_(bufferWidth > 2 ? bufferWidth - 2 : 0, ' ') {}

void ZaFixedLine::clear() { std::fill(text_.begin(), text_.end(), ' '); }

void ZaFixedLine::place(std::size_t column, std::size_t width, std::string_view field, bool keepRight) {
    if (column >= text_.size()) return;
    width = std::min(width, text_.size() - column);
    if (field.size() > width) field = keepRight ? field.substr(field.size() - width) : field.substr(0, width);
    const std::size_t start = column + width - field.size();
    std::copy(field.begin(), field.end(), text_.begin() + static_cast<std::ptrdiff_t>(start));
}

void ZaFixedLine::putInt(std::size_t column, std::size_t width, std::int32_t value) {
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    place(column, width, std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data())), true);
}

void ZaFixedLine::putReal(std::size_t column, std::size_t width, double value) {
    place(column, width, zaGeneralReal(value), false);
}

void ZaFixedLine::putString(std::size_t column, std::size_t width, std::string_view text) {
    if (column >= text_.size()) return;
    width = std::min(width, text_.size() - column);
    const std::string_view kept = text.substr(0, width);
    auto at = std::copy(kept.begin(), kept.end(), text_.begin() + static_cast<std::ptrdiff_t>(column));
    std::fill(at, text_.begin() + static_cast<std::ptrdiff_t>(column + width), ' ');
}

std::string zaGeneralReal(double value) {
    std::array<char, 40> digits{};
    const auto result =
        std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::general, 9);
    std::string text(digits.data(), result.ptr);
    if (text.find_first_of(".ni") != std::string::npos) return text;  // a point already, or inf/nan
    const auto exponent = text.find('e');
    text.insert(exponent == std::string::npos ? text.size() : exponent, 1, '.');
    return text;
}

std::string_view zaColumns(std::string_view line, std::size_t column, std::size_t width) {
    if (column >= line.size()) return {};
    return line.substr(column, width);
}

std::int32_t zaGetIntField(std::string_view line, std::size_t column, std::size_t width) {
    return zafiles::readCInt(zaColumns(line, column, width));
}

double zaGetRealField(std::string_view line, std::size_t column, std::size_t width) {
    return zafiles::readCReal(zaColumns(line, column, width));
}

std::string_view zaGetStringField(std::string_view line, std::size_t column, std::size_t width) {
    return zafiles::trimField(zaColumns(line, column, width));
}
