#include "dxf_out.h"

#include <charconv>
#include <cstring>

#include "dxf_numbers.h"

namespace zcad::dxf {

namespace {

// Large enough that the sink is called rarely, small enough to stay in cache.
constexpr std::size_t kBufferBytes = 1u << 18;
// A value line longer than this goes to the sink directly, not through the buffer.
constexpr std::size_t kDirectBytes = kBufferBytes / 4;
// A code line, a number and two line ends always fit in this.
constexpr std::size_t kNumberGroupBytes = 8 + kMaxNumberChars + 4;

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

Out::Out(TextEncoding encoding, bool crlf, Sink sink)
    : buf_(std::make_unique_for_overwrite<char[]>(kBufferBytes)),
      at_(buf_.get()),
      end_(buf_.get() + kBufferBytes),
      sink_(std::move(sink)),
      encoding_(encoding),
      crlf_(crlf) {}

bool Out::flush() {
    if (at_ != buf_.get() && !failed_) {
        failed_ = !sink_(std::string_view(buf_.get(), static_cast<std::size_t>(at_ - buf_.get())));
    }
    at_ = buf_.get();
    return !failed_;
}

void Out::bytes(std::string_view text) {
    if (text.size() < kDirectBytes) {
        std::memcpy(room(text.size()), text.data(), text.size());
        at_ += text.size();
        return;
    }
    flush();
    if (!failed_ && !text.empty()) failed_ = !sink_(text);
}

char* Out::room(std::size_t bytes) {
    if (static_cast<std::size_t>(end_ - at_) < bytes) flush();
    return at_;
}

char* Out::endLine(char* at) const {
    if (crlf_) *at++ = '\r';
    *at++ = '\n';
    return at;
}

void Out::code(int code) {
    char* at = room(16);
    const auto& lines = codeLines();
    const int index = code - CodeLines::kFirst;
    if (index < 0 || index >= CodeLines::kCount) {
        at = std::to_chars(at, at + 12, code).ptr;
    } else {
        std::memcpy(at, lines.text[index], 4);
        at += lines.length[index];
    }
    at_ = endLine(at);
}

void Out::line(std::string_view value) {
    if (value.size() > kDirectBytes) {
        flush();
        if (!failed_) failed_ = !sink_(value);
        at_ = endLine(at_);
        return;
    }
    char* at = room(value.size() + 2);
    std::memcpy(at, value.data(), value.size());
    at_ = endLine(at + value.size());
}

void Out::number(int code, const char* digits, std::size_t length) {
    room(kNumberGroupBytes);
    this->code(code);
    std::memcpy(at_, digits, length);
    at_ = endLine(at_ + length);
}

void Out::raw(int code, std::string_view value) {
    this->code(code);
    line(value);
}

void Out::text(int code, std::string_view hostText) {
    scratch_.clear();
    encodeText(hostText, encoding_, scratch_);
    this->code(code);
    line(scratch_);
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
