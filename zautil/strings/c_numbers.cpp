#include "strings/c_numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace zastrings {
namespace {

bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text after leading white space and a sign; true when the sign was '-'.
bool takeSign(std::string_view& text) {
    std::size_t at = 0;
    while (at < text.size() && isCSpace(text[at])) ++at;
    text.remove_prefix(at);
    if (text.empty() || (text.front() != '+' && text.front() != '-')) return false;
    const bool negative = text.front() == '-';
    text.remove_prefix(1);
    return negative;
}

// A number too large or too small for a double: strtod's infinity or zero.
double outOfRange(std::string_view number) {
    const auto exponent = number.find_first_of("eE");
    const bool tiny = exponent != std::string_view::npos && exponent + 1 < number.size() && number[exponent + 1] == '-';
    return tiny ? 0.0 : std::numeric_limits<double>::infinity();
}

void appendPadded(std::string& out, const char* first, const char* last, int width) {
    const auto length = static_cast<int>(last - first);
    if (length < width) out.append(static_cast<std::size_t>(width - length), ' ');
    out.append(first, last);
}

}  // namespace

std::int32_t readCInt(std::string_view text) {
    const bool negative = takeSign(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) return 0;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::invalid_argument) return 0;
    // strtol's saturation, not atoi's undefined overflow.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    const std::int64_t magnitude = error == std::errc::result_out_of_range || value > limit ? limit : value;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

double readCReal(std::string_view text) {
    const bool negative = takeSign(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) return 0.0;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::invalid_argument) return 0.0;
    if (error == std::errc::result_out_of_range) value = outOfRange(text.substr(0, static_cast<std::size_t>(end - text.data())));
    return negative ? -value : value;
}

void appendInt(std::string& out, std::int32_t value, int width) {
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    appendPadded(out, digits.data(), result.ptr, width);
}

void appendFixed(std::string& out, double value, int width, int decimals) {
    // The widest double in fixed notation: 309 digits, sign, point, decimals.
    std::array<char, 330> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed,
                                      std::min(decimals, 16));
    if (result.ec != std::errc{}) return;
    appendPadded(out, digits.data(), result.ptr, width);
}

}  // namespace zastrings
