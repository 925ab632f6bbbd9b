#include "files/c_numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
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

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A plain decimal of at most 15 digits ("500123.4567"), what nearly every
// field of a survey file holds: its digits as an integer and the power of
// ten it is divided by are both exact doubles, so one correctly rounded
// division gives the nearest double, as from_chars would, in a fraction of
// the time. Anything else (an exponent, more digits, a point with no digit
// after it) is left to from_chars.
[[gnu::always_inline]] inline const char* takePlainDecimal(const char* at, const char* last, double& value) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr int kMostDigits = 15;
    std::uint64_t digits = 0;
    int count = 0;
    for (; at != last && isDigit(*at) && count <= kMostDigits; ++at, ++count) digits = digits * 10 + (*at - '0');
    int decimals = 0;
    if (at != last && *at == '.') {
        if (++at == last || !isDigit(*at)) return nullptr;
        for (; at != last && isDigit(*at) && count <= kMostDigits; ++at, ++count, ++decimals) {
            digits = digits * 10 + (*at - '0');
        }
    }
    if (count == 0 || count > kMostDigits) return nullptr;
    if (at != last && (*at == 'e' || *at == 'E')) return nullptr;
    value = static_cast<double>(digits) / kPowersOfTen[decimals];
    return at;
}

[[gnu::always_inline]] inline Taken<double> takeReal(const char* first, const char* last) {
    bool negative = false;
    const char* at = skipSign(first, last, negative);
    if (isSign(at, last)) return {};
    double value = 0.0;
    if (const char* end = takePlainDecimal(at, last, value)) return {negative ? -value : value, end};
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

// printf's "%.*f" of a value in integers, which a file of a million points
// asks five times a line. The product of the value and 10^decimals lies
// within half an ulp of the exact one, so when it stands further than an
// ulp from a half it rounds as the exact value does. False otherwise (a
// near tie, a large or not finite value): the caller converts exactly.
bool appendFixedByIntegers(std::string& out, double value, int width, int decimals) {
    static constexpr std::array<double, 9> kScales = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    static constexpr std::array<std::uint64_t, 9> kDivisors = {1, 10, 100, 1000, 10000, 100000, 1000000,
                                                               10000000, 100000000};
    if (decimals < 0 || decimals >= static_cast<int>(kScales.size())) return false;
    const auto d = static_cast<std::size_t>(decimals);
    const double scaled = std::fabs(value) * kScales[d];
    if (!(scaled < 0x1p51)) return false;
    const double whole = std::nearbyint(scaled);
    if (!(std::fabs(scaled - whole) < 0.5 - scaled * 0x1p-52)) return false;
    const auto units = static_cast<std::uint64_t>(whole);
    std::array<char, 32> digits;
    char* at = digits.data();
    if (std::signbit(value)) *at++ = '-';
    at = std::to_chars(at, digits.data() + digits.size(), units / kDivisors[d]).ptr;
    if (decimals > 0) {
        *at++ = '.';
        std::uint64_t fraction = units % kDivisors[d];
        for (char* digit = at + decimals - 1; digit >= at; --digit, fraction /= 10) {
            *digit = static_cast<char>('0' + fraction % 10);
        }
        at += decimals;
    }
    appendPadded(out, digits.data(), at, width);
    return true;
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
    if (appendFixedByIntegers(out, value, width, decimals)) return;
    // The widest double in fixed notation: 309 digits, sign, point, decimals.
    std::array<char, 330> digits;
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed,
                                      std::min(decimals, 16));
    if (result.ec != std::errc{}) return;
    appendPadded(out, digits.data(), result.ptr, width);
}

}  // namespace zafiles
