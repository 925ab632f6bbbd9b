#include "dxf_out.h"

#include <charconv>

#include "dxf_numbers.h"

namespace zcad::dxf {

Out::Out(TextEncoding encoding, bool crlf) : encoding_(encoding), eol_(crlf ? "\r\n" : "\n") {}

namespace {

// Code lines right-aligned in three columns, as AutoCAD writes them; made
// once, since every group starts with one.
struct CodeLines {
    static constexpr int kFirst = -5;
    static constexpr int kCount = 1072 - kFirst;
    char text[kCount][4];
    std::uint8_t length[kCount];

    CodeLines() {
        for (int code = kFirst; code < kFirst + kCount; ++code) {
            char digits[8];
            const auto end = std::to_chars(digits, digits + sizeof digits, code).ptr;
            auto n = static_cast<std::size_t>(end - digits);
            char* line = text[code - kFirst];
            std::size_t at = 0;
            for (; at + n < 3; ++at) line[at] = ' ';
            for (std::size_t i = 0; i < n; ++i) line[at++] = digits[i];
            length[code - kFirst] = static_cast<std::uint8_t>(at);
        }
    }
};

const CodeLines& codeLines() {
    static const CodeLines lines;
    return lines;
}

}  // namespace

void Out::code(int code) {
    const auto& lines = codeLines();
    const int at = code - CodeLines::kFirst;
    if (at < 0 || at >= CodeLines::kCount) {
        char digits[16];
        buf_.append(digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, code).ptr - digits));
    } else {
        buf_.append(lines.text[at], lines.length[at]);
    }
    buf_.append(eol_);
}

void Out::line(std::string_view value) {
    buf_.append(value);
    buf_.append(eol_);
}

void Out::number(int code, const char* digits, std::size_t length) {
    this->code(code);
    line(std::string_view(digits, length));
}

void Out::raw(int code, std::string_view value) {
    this->code(code);
    line(value);
}

void Out::text(int code, std::string_view hostText) {
    this->code(code);
    encodeText(hostText, encoding_, buf_);
    buf_.append(eol_);
}

void Out::real(int code, double value) {
    char digits[kMaxNumberChars];
    number(code, digits, formatReal(digits, value));
}

void Out::degrees(int code, double radians) {
    char digits[kMaxNumberChars];
    number(code, digits, formatDegrees(digits, radians));
}

void Out::integer(int code, std::int64_t value) {
    char digits[kMaxNumberChars];
    number(code, digits, formatInteger(digits, value));
}

void Out::handle(int code, std::uint64_t value) {
    char digits[kMaxNumberChars];
    number(code, digits, formatHandle(digits, value));
}

void Out::point(int code, const double xyz[3], bool flat) {
    real(code, xyz[0]);
    real(code + 10, xyz[1]);
    if (!flat) real(code + 20, xyz[2]);
}

void Out::group(const Group& g, bool angle) {
    switch (g.kind) {
    case GroupKind::String:
        return text(g.code, g.text);
    case GroupKind::Real:
        return angle ? degrees(g.code, g.xyz[0]) : real(g.code, g.xyz[0]);
    case GroupKind::Point:
        return point(g.code, g.xyz, g.flat);
    case GroupKind::Int16:
    case GroupKind::Int32:
    case GroupKind::Int64:
        return integer(g.code, g.integer);
    }
}

}  // namespace zcad::dxf
