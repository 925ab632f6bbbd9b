#include "dxf_numbers.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <numbers>

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

}  // namespace

std::size_t formatReal(char* out, double value) {
    // DXF has no spelling for infinities or NaN; zero keeps the file readable.
    if (!std::isfinite(value)) value = 0.0;
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

std::size_t formatInteger(char* out, std::int64_t value) {
    const auto result = std::to_chars(out, out + kMaxNumberChars, value);
    return static_cast<std::size_t>(result.ptr - out);
}

std::size_t formatHandle(char* out, std::uint64_t handle) {
    const auto result = std::to_chars(out, out + kMaxNumberChars, handle, 16);
    for (char* p = out; p != result.ptr; ++p) {
        if (*p >= 'a' && *p <= 'f') *p = static_cast<char>(*p - 'a' + 'A');
    }
    return static_cast<std::size_t>(result.ptr - out);
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

bool parseReal(std::string_view text, double& value) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const char first = text.front();
    // from_chars would take "inf" and "nan"; a drawing has no use for them.
    if (!(first == '-' || first == '.' || (first >= '0' && first <= '9'))) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(value);
}

bool parseInteger(std::string_view text, std::int64_t& value) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool parseHandle(std::string_view text, std::uint64_t& value) {
    text = trimBlanks(text);
    if (text.empty() || text.size() > 16) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

}  // namespace zcad::dxf
