#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "zcad/text.h"

namespace zcad {

namespace {

// Plain decimals of up to 15 digits, the usual coordinate, are read exactly
// without the general algorithm: the digits and the power of ten are both
// exact doubles, so one correctly rounded division gives the nearest double.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kExactLimit = std::uint64_t{1} << 53;

bool parsePlainDecimal(std::string_view text, double& value) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++at;
    std::uint64_t digits = 0;
    int count = 0;
    int fraction = -1;  // digits after the point; -1 before it
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && fraction < 0) {
            fraction = 0;
            continue;
        }
        if (c < '0' || c > '9' || ++count > 15) return false;
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        if (fraction >= 0) ++fraction;
    }
    if (count == 0 || digits >= kExactLimit) return false;
    const double magnitude = static_cast<double>(digits) / kPowersOfTen[fraction < 0 ? 0 : fraction];
    value = negative ? -magnitude : magnitude;
    return true;
}

// The number without its blanks and a leading '+'.
std::string_view numberPart(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    return text;
}

}  // namespace

bool parseReal(std::string_view text, double& value) {
    text = numberPart(text);
    if (text.empty()) return false;
    const char first = text.front();
    // from_chars would take "inf" and "nan".
    if (!(first == '-' || first == '.' || (first >= '0' && first <= '9'))) return false;
    if (parsePlainDecimal(text, value)) return true;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(value);
}

bool parseInteger(std::string_view text, std::int64_t& value) {
    text = numberPart(text);
    if (text.empty()) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool parsePoint(std::string_view text, double point[3]) {
    double values[3] = {0, 0, 0};
    int count = 0;
    while (count < 3) {
        const std::size_t comma = text.find(',');
        if (!parseReal(text.substr(0, comma), values[count])) return false;
        ++count;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
        if (count == 3) return false;
    }
    if (count < 2) return false;
    for (int i = 0; i < 3; ++i) point[i] = values[i];
    return true;
}

}  // namespace zcad
