#include "dxf_numbers.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <numbers>

#include "zcad/text.h"

namespace zcad::dxf {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

bool looksIntegral(const char* text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == '.' || c == 'e' || c == 'E' || c == 'n' || c == 'i') return false;
    }
    return true;
}

std::size_t finishReal(char* out, char* end) {
    auto length = static_cast<std::size_t>(end - out);
    // Some readers only take a value as real when it has a point in it.
    if (looksIntegral(out, length)) {
        out[length++] = '.';
        out[length++] = '0';
    }
    return length;
}

// Survey values are mostly metres to a few decimals. When a value is a
// whole number of millionths and below 2^32 (where a double is finer than a
// millionth, so at most one such decimal reads back as it), that decimal
// with its trailing zeros dropped is the shortest spelling; it is written
// with integer arithmetic, far faster than the general algorithm.
constexpr double kMillion = 1e6;
constexpr double kFastLimit = 4294967296.0;

// "00" to "99", for writing two digits at a time.
struct DigitPairs {
    char text[200];
    constexpr DigitPairs() : text() {
        for (int i = 0; i < 100; ++i) {
            text[2 * i] = static_cast<char>('0' + i / 10);
            text[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
    }
};
constexpr DigitPairs kDigitPairs;

std::size_t formatMillionths(char* out, double value) {
    const double magnitude = std::fabs(value);
    if (!(magnitude < kFastLimit)) return 0;
    // Rounded by adding a half: a wrong guess only fails the check below.
    const auto millionths = static_cast<std::uint64_t>(magnitude * kMillion + 0.5);
    // Both exact, and the division is correctly rounded: equal means the
    // decimal reads back as this very double.
    if (static_cast<double>(millionths) / kMillion != magnitude) return 0;
    char* at = out;
    if (std::signbit(value)) *at++ = '-';
    at = std::to_chars(at, at + 12, millionths / 1000000).ptr;
    *at++ = '.';
    auto fraction = static_cast<std::uint32_t>(millionths % 1000000);
    for (int pair = 2; pair >= 0; --pair) {
        std::memcpy(at + 2 * pair, kDigitPairs.text + 2 * (fraction % 100), 2);
        fraction /= 100;
    }
    // Trailing zeros go, but one digit always follows the point.
    char* end = at + 6;
    while (end > at + 1 && end[-1] == '0') --end;
    return static_cast<std::size_t>(end - out);
}

}  // namespace

std::size_t formatReal(char* out, double value) {
    // DXF has no spelling for infinities or NaN; zero keeps the file readable.
    if (!std::isfinite(value)) value = 0.0;
    // Most often of all: a polyface's face records alone hold millions.
    if (value == 0.0 && !std::signbit(value)) {
        std::memcpy(out, "0.0", 3);
        return 3;
    }
    if (const std::size_t length = formatMillionths(out, value)) return length;
    const auto result = std::to_chars(out, out + kMaxNumberChars - 2, value);
    return finishReal(out, result.ptr);
}

double degreesToRadians(double degrees) { return degrees * kRadiansPerDegree; }

std::size_t formatDegrees(char* out, double radians) {
    if (!std::isfinite(radians)) radians = 0.0;
    const double degrees = radians / kRadiansPerDegree;
    // The degrees a file gave are usually short decimals: the fewest digits
    // that map back onto the same radians recover them exactly.
    for (int precision = 15; precision <= 17; ++precision) {
        const auto result =
            std::to_chars(out, out + kMaxNumberChars - 2, degrees, std::chars_format::general, precision);
        double back = 0;
        std::from_chars(out, result.ptr, back);
        if (degreesToRadians(back) != radians) continue;
        // Prefer the shortest spelling of that same value.
        const auto shortest = std::to_chars(out, out + kMaxNumberChars - 2, back);
        return finishReal(out, shortest.ptr);
    }
    return formatReal(out, degrees);
}

bool degreesComeBack(double degrees, double radians) {
    // The common case, cheaply: the degrees are the only double that gives
    // these radians, and dividing finds them, so the search below does too.
    const bool alone = degreesToRadians(std::nextafter(degrees, -INFINITY)) != radians &&
                       degreesToRadians(std::nextafter(degrees, INFINITY)) != radians;
    if (alone && radians / kRadiansPerDegree == degrees) return true;
    char text[kMaxNumberChars];
    const std::size_t length = formatDegrees(text, radians);
    double back = 0;
    std::from_chars(text, text + length, back);
    return back == degrees;
}

std::size_t formatInteger(char* out, std::int64_t value) {
    const auto result = std::to_chars(out, out + kMaxNumberChars, value);
    return static_cast<std::size_t>(result.ptr - out);
}

std::size_t formatHandle(char* out, std::uint64_t handle) {
    // Upper-case hexadecimal digits, no leading zeros ("0" for zero).
    const auto length = std::max<std::size_t>(1, (std::bit_width(handle) + 3) / 4);
    for (std::size_t i = length; i-- > 0; handle >>= 4) out[i] = "0123456789ABCDEF"[handle & 0xF];
    return length;
}

bool parseHandle(std::string_view text, std::uint64_t& value) {
    text = trimmed(text);
    if (text.empty() || text.size() > 16) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

}  // namespace zcad::dxf
