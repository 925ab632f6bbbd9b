#include "files/c_numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "files/text_rules.h"

namespace zafiles {
namespace {

// What a conversion took: its value, and where the text after it starts
// (null when no number stood there).
template <typename Number>
struct Taken {
    Number value{};
    const char* end = nullptr;
};

// Leading white space and a sign; `negative` says whether it was '-'.
const char* skipSign(const char* at, const char* last, bool& negative) {
    while (at != last && isCSpace(*at)) ++at;
    negative = at != last && *at == '-';
    if (at != last && (*at == '+' || *at == '-')) ++at;
    return at;
}

bool isSign(const char* at, const char* last) { return at != last && (*at == '+' || *at == '-'); }

// A number too large or too small for a double: strtod's infinity or zero.
double outOfRange(std::string_view number) {
    const auto exponent = number.find_first_of("eE");
    const bool tiny = exponent != std::string_view::npos && exponent + 1 < number.size() && number[exponent + 1] == '-';
    return tiny ? 0.0 : std::numeric_limits<double>::infinity();
}

// Both forms of each conversion read every field of every record: inlined.
[[gnu::always_inline]] inline Taken<std::int32_t> takeInt(const char* first, const char* last) {
    bool negative = false;
    const char* at = skipSign(first, last, negative);
    // strtol's saturation, not atoi's undefined overflow.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    std::int64_t magnitude = 0;
    const char* digits = at;
    for (; at != last && *at >= '0' && *at <= '9'; ++at) {
        if (magnitude <= limit) magnitude = magnitude * 10 + (*at - '0');
    }
    if (at == digits) return {};
    magnitude = std::min(magnitude, limit);
    return {static_cast<std::int32_t>(negative ? -magnitude : magnitude), at};
}

[[gnu::always_inline]] inline Taken<double> takeReal(const char* first, const char* last) {
    bool negative = false;
    const char* at = skipSign(first, last, negative);
    if (isSign(at, last)) return {};
    double value = 0.0;
    const auto [end, error] = std::from_chars(at, last, value);
    if (error == std::errc::invalid_argument) return {};
    if (error == std::errc::result_out_of_range) value = outOfRange({at, static_cast<std::size_t>(end - at)});
    return {negative ? -value : value, end};
}

template <typename Number>
std::optional<Number> advance(std::string_view& text, const Taken<Number>& taken) {
    if (!taken.end) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(taken.end - text.data()));
    return taken.value;
}

void appendPadded(std::string& out, const char* first, const char* last, int width) {
    const auto length = static_cast<int>(last - first);
    if (length < width) out.append(static_cast<std::size_t>(width - length), ' ');
    out.append(first, last);
}

}  // namespace

std::optional<std::int32_t> takeCInt(std::string_view& text) {
    return advance(text, takeInt(text.data(), text.data() + text.size()));
}

std::optional<double> takeCReal(std::string_view& text) {
    return advance(text, takeReal(text.data(), text.data() + text.size()));
}

std::int32_t readCInt(std::string_view text) { return takeInt(text.data(), text.data() + text.size()).value; }

double readCReal(std::string_view text) { return takeReal(text.data(), text.data() + text.size()).value; }

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
