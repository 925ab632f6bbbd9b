#include "files/scan_fields.h"

#include <algorithm>
#include <limits>

#include "files/c_numbers.h"
#include "files/text_rules.h"

namespace zafiles {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

void Scan::skipSpace() {
    rest_ = trimLeadingCSpace(rest_);
}

bool Scan::literal(char c) {
    skipSpace();
    if (rest_.empty() || rest_.front() != c) return false;
    rest_.remove_prefix(1);
    return true;
}

bool Scan::integer(std::int32_t& value) {
    const auto number = takeCInt(rest_);
    if (!number) return false;
    value = *number;
    return true;
}

bool Scan::real(double& value) {
    const auto number = takeCReal(rest_);
    if (!number) return false;
    value = *number;
    return true;
}

bool Scan::hex(std::uint32_t& value) {
    skipSpace();
    bool negative = false;
    if (!rest_.empty() && (rest_.front() == '+' || rest_.front() == '-')) {
        negative = rest_.front() == '-';
        rest_.remove_prefix(1);
    }
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

}  // namespace zafiles
