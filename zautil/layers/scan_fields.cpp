#include "layers/scan_fields.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

void ZaScan::skipSpace() {
    while (!rest_.empty() && isCSpace(rest_.front())) rest_.remove_prefix(1);
}

bool ZaScan::takeSign() {
    if (rest_.empty() || (rest_.front() != '+' && rest_.front() != '-')) return false;
    const bool negative = rest_.front() == '-';
    rest_.remove_prefix(1);
    return negative;
}

bool ZaScan::literal(char c) {
    skipSpace();
    if (rest_.empty() || rest_.front() != c) return false;
    rest_.remove_prefix(1);
    return true;
}

bool ZaScan::integer(std::int32_t& value) {
    skipSpace();
    const bool negative = takeSign();
    std::int64_t magnitude = 0;
    const char* first = rest_.data();
    const char* last = first + rest_.size();
    const char* at = first;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; at != last && *at >= '0' && *at <= '9'; ++at) {
        if (magnitude <= kLimit) magnitude = magnitude * 10 + (*at - '0');
    }
    if (at == first) return false;
    rest_.remove_prefix(static_cast<std::size_t>(at - first));
    const std::int64_t limit = negative ? kLimit : kLimit - 1;
    magnitude = magnitude > limit ? limit : magnitude;
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

bool ZaScan::real(double& value) {
    skipSpace();
    const bool negative = takeSign();
    if (!rest_.empty() && (rest_.front() == '+' || rest_.front() == '-')) return false;
    double parsed = 0;
    const auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), parsed);
    if (error == std::errc::invalid_argument) return false;
    if (error == std::errc::result_out_of_range) {
        // strtod's answer: infinity for a huge number, zero for a tiny one.
        const std::string_view number(rest_.data(), static_cast<std::size_t>(end - rest_.data()));
        const auto exponent = number.find_first_of("eE");
        const bool tiny = exponent != std::string_view::npos && exponent + 1 < number.size() && number[exponent + 1] == '-';
        parsed = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
    value = negative ? -parsed : parsed;
    return true;
}

bool ZaScan::hex(std::uint32_t& value) {
    skipSpace();
    const bool negative = takeSign();
    if (rest_.size() > 2 && rest_[0] == '0' && (rest_[1] == 'x' || rest_[1] == 'X') && hexDigit(rest_[2]) >= 0) {
        rest_.remove_prefix(2);
    }
    std::uint64_t magnitude = 0;
    std::size_t used = 0;
    for (; used < rest_.size() && hexDigit(rest_[used]) >= 0; ++used) {
        if (magnitude <= std::numeric_limits<std::uint32_t>::max()) magnitude = magnitude * 16 + static_cast<std::uint64_t>(hexDigit(rest_[used]));
    }
    if (used == 0) return false;
    rest_.remove_prefix(used);
    // strtoul saturates, then a minus sign negates in unsigned arithmetic.
    const auto saturated = static_cast<std::uint32_t>(std::min<std::uint64_t>(magnitude, std::numeric_limits<std::uint32_t>::max()));
    value = negative ? static_cast<std::uint32_t>(0u - saturated) : saturated;
    return true;
}
