#include "real_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace zcad::geom {

namespace {

// A non-negative value as decimal digits: digits[0] has weight 10^(point - 1).
// No digits means zero.
struct Decimal {
    char digits[32] = {};
    int count = 0;
    int point = 0;

    char at(int exponent) const {
        const int i = point - 1 - exponent;
        return i >= 0 && i < count ? digits[i] : '0';
    }
    bool zero() const {
        for (int i = 0; i < count; ++i) {
            if (digits[i] != '0') return false;
        }
        return true;
    }
};

Decimal shortestDecimal(double magnitude) {
    Decimal d;
    if (magnitude == 0) return d;
    char text[64];
    const auto res = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
    const std::string_view s(text, static_cast<std::size_t>(res.ptr - text));
    const auto e = s.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (s[i] != '.') d.digits[d.count++] = s[i];
    }
    int exponent = 0;
    const std::size_t from = s[e + 1] == '+' ? e + 2 : e + 1;
    std::from_chars(s.data() + from, s.data() + s.size(), exponent);
    d.point = exponent + 1;
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero.
void roundTo(Decimal& d, int keep) {
    if (keep >= d.count) return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (!up) return;
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
        ++d.digits[i];
        return;
    }
    // All nines (or nothing kept): the carry becomes a new leading 1.
    for (int k = d.count; k > 0; --k) d.digits[k] = d.digits[k - 1];
    d.digits[0] = '1';
    ++d.count;
    ++d.point;
}

void appendUnsigned(std::string& out, std::uint64_t v) {
    char text[24];
    const auto res = std::to_chars(text, text + sizeof text, v);
    out.append(text, res.ptr);
}

void appendFixed(std::string& out, const Decimal& d, int precision) {
    for (int e = std::max(d.point - 1, 0); e >= 0; --e) out += d.at(e);
    if (precision == 0) return;
    out += '.';
    for (int e = -1; e >= -precision; --e) out += d.at(e);
}

void decimal(std::string& out, double magnitude, int precision) {
    Decimal d = shortestDecimal(magnitude);
    roundTo(d, d.point + precision);
    if (d.zero()) out.clear();  // no "-0"
    appendFixed(out, d, precision);
}

void scientific(std::string& out, double magnitude, int precision) {
    Decimal d = shortestDecimal(magnitude);
    roundTo(d, precision + 1);
    const bool zero = d.zero();
    if (zero) out.clear();
    out += zero ? '0' : d.digits[0];
    if (precision > 0) out += '.';
    for (int i = 1; i <= precision; ++i) out += i < d.count ? d.digits[i] : '0';
    const int exponent = zero ? 0 : d.point - 1;
    out += exponent < 0 ? "E-" : "E+";
    const int magnitudeExp = std::abs(exponent);
    if (magnitudeExp < 10) out += '0';
    appendUnsigned(out, static_cast<std::uint64_t>(magnitudeExp));
}

// Feet and decimal inches: the value is in inches, rounded once as a whole
// so the inches never show 12.
bool engineering(std::string& out, double magnitude, int precision) {
    Decimal d = shortestDecimal(magnitude);
    roundTo(d, d.point + precision);
    if (d.point + precision > 18) return false;
    std::uint64_t scaled = 0;
    for (int e = d.point - 1; e >= -precision; --e) scaled = scaled * 10 + static_cast<unsigned>(d.at(e) - '0');
    if (scaled == 0) out.clear();
    std::uint64_t unit = 1;
    for (int i = 0; i < precision; ++i) unit *= 10;
    const std::uint64_t perFoot = 12 * unit;
    appendUnsigned(out, scaled / perFoot);
    out += "'-";
    const std::uint64_t inches = scaled % perFoot;
    appendUnsigned(out, inches / unit);
    if (precision > 0) {
        out += '.';
        const std::size_t start = out.size();
        appendUnsigned(out, inches % unit);
        out.insert(start, static_cast<std::size_t>(precision) - (out.size() - start), '0');
    }
    out += '"';
    return true;
}

// Whole units and a reduced binary fraction; with feet for architectural.
bool fractions(std::string& out, double magnitude, int precision, bool feet) {
    const std::uint64_t denominator = std::uint64_t{1} << precision;
    const double scaled = std::round(magnitude * static_cast<double>(denominator));
    if (scaled >= 9.0e15) return false;
    const auto units = static_cast<std::uint64_t>(scaled);
    if (units == 0) out.clear();
    const std::uint64_t whole = units / denominator;
    std::uint64_t numerator = units % denominator;
    std::uint64_t below = denominator;
    while (numerator != 0 && numerator % 2 == 0) {
        numerator /= 2;
        below /= 2;
    }
    if (feet) {
        appendUnsigned(out, whole / 12);
        out += "'-";
        appendUnsigned(out, whole % 12);
    } else if (whole != 0 || numerator == 0) {
        appendUnsigned(out, whole);
    }
    if (numerator != 0) {
        if (feet || whole != 0) out += ' ';
        appendUnsigned(out, numerator);
        out += '/';
        appendUnsigned(out, below);
    }
    if (feet) out += '"';
    return true;
}

}  // namespace

bool formatReal(double value, LinearUnit unit, int precision, std::string& out) {
    out.clear();
    if (!std::isfinite(value) || precision < 0 || precision > kMaxPrecision) return false;
    if (std::signbit(value)) out += '-';
    const double magnitude = std::abs(value);
    switch (unit) {
        case LinearUnit::Scientific: scientific(out, magnitude, precision); return true;
        case LinearUnit::Decimal: decimal(out, magnitude, precision); return true;
        case LinearUnit::Engineering: return engineering(out, magnitude, precision);
        case LinearUnit::Architectural: return fractions(out, magnitude, precision, true);
        case LinearUnit::Fractional: return fractions(out, magnitude, precision, false);
    }
    out.clear();
    return false;
}

}  // namespace zcad::geom
