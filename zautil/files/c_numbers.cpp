#include "files/c_numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "files/text_rules.h"

namespace zafiles {
namespace {

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

bool startsWithSign(std::string_view text) { return !text.empty() && (text.front() == '+' || text.front() == '-'); }

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

std::optional<std::int32_t> takeCInt(std::string_view& text) {
    std::string_view rest = text;
    const bool negative = takeSign(rest);
    if (startsWithSign(rest)) return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error == std::errc::invalid_argument) return std::nullopt;
    text = rest.substr(static_cast<std::size_t>(end - rest.data()));
    // strtol's saturation, not atoi's undefined overflow.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    const std::int64_t magnitude = error == std::errc::result_out_of_range || value > limit ? limit : value;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<double> takeCReal(std::string_view& text) {
    std::string_view rest = text;
    const bool negative = takeSign(rest);
    if (startsWithSign(rest)) return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error == std::errc::invalid_argument) return std::nullopt;
    const auto used = static_cast<std::size_t>(end - rest.data());
    if (error == std::errc::result_out_of_range) value = outOfRange(rest.substr(0, used));
    text = rest.substr(used);
    return negative ? -value : value;
}

std::int32_t readCInt(std::string_view text) { return takeCInt(text).value_or(0); }

double readCReal(std::string_view text) { return takeCReal(text).value_or(0.0); }

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

}  // namespace zafiles
