#include "dxf_out.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>

#include "dxf_numbers.h"

namespace zcad::dxf {

// Code lines right-aligned in three columns, as AutoCAD writes them, with
// their line end; made once, since every group starts with one.
struct CodeLines {
    static constexpr int kFirst = -5;
    static constexpr int kCount = 1072 - kFirst;
    char text[kCount][8];
    std::uint8_t length[kCount];

    explicit CodeLines(bool crlf) : text(), length() {
        for (int code = kFirst; code < kFirst + kCount; ++code) {
            char digits[8];
            const auto end = std::to_chars(digits, digits + sizeof digits, code).ptr;
            auto n = static_cast<std::size_t>(end - digits);
            char* line = text[code - kFirst];
            std::size_t at = 0;
            for (; at + n < 3; ++at) line[at] = ' ';
            for (std::size_t i = 0; i < n; ++i) line[at++] = digits[i];
            if (crlf) line[at++] = '\r';
            line[at++] = '\n';
            length[code - kFirst] = static_cast<std::uint8_t>(at);
        }
    }
};

namespace {

// A code line (of any code a list can hold), a number and two line ends fit in this.
constexpr std::size_t kNumberGroupBytes = 16 + kMaxNumberChars + 4;

const CodeLines& codeLines(bool crlf) {
    static const CodeLines lf(false);
    static const CodeLines crlfLines(true);
    return crlf ? crlfLines : lf;
}

}  // namespace

Out::Out(TextEncoding encoding, bool crlf, PiecePool& pool, PieceSink* sink)
    : pool_(pool), sink_(sink), codeLines_(codeLines(crlf)), encoding_(encoding), crlf_(crlf) {}

Out::~Out() { pool_.put(std::move(piece_)); }

bool Out::flush() {
    if (at_ == piece_.bytes.get()) return !failed_;
    const auto used = static_cast<std::size_t>(at_ - piece_.bytes.get());
    if (failed_) {
        at_ = piece_.bytes.get();
        return false;
    }
    Piece full = std::move(piece_);
    full.size = used;
    at_ = end_ = nullptr;
    failed_ = !sink_->take(std::move(full));
    return !failed_;
}

void Out::pieces(std::vector<Piece>& made) {
    flush();
    for (Piece& piece : made) {
        if (failed_ || piece.size == 0) {
            pool_.put(std::move(piece));
            continue;
        }
        failed_ = !sink_->take(std::move(piece));
    }
    made.clear();
}

char* Out::room(std::size_t bytes) {
    if (static_cast<std::size_t>(end_ - at_) >= bytes) return at_;
    flush();
    if (!piece_.bytes) piece_ = pool_.get();
    at_ = piece_.bytes.get();
    end_ = at_ + kPieceBytes;
    return at_;
}

void Out::append(std::string_view value) {
    while (!value.empty()) {
        char* at = room(1);
        const std::size_t n = std::min(value.size(), static_cast<std::size_t>(end_ - at));
        std::memcpy(at, value.data(), n);
        at_ = at + n;
        value.remove_prefix(n);
    }
}

char* Out::endLine(char* at) const {
    if (crlf_) *at++ = '\r';
    *at++ = '\n';
    return at;
}

char* Out::code(char* at, int code) const {
    const int index = code - CodeLines::kFirst;
    if (index < 0 || index >= CodeLines::kCount) return endLine(std::to_chars(at, at + 12, code).ptr);
    std::memcpy(at, codeLines_.text[index], 8);
    return at + codeLines_.length[index];
}

void Out::line(std::string_view value) {
    if (value.size() + 2 > kPieceBytes / 4) {
        append(value);
        at_ = endLine(room(2));
        return;
    }
    char* at = room(value.size() + 2);
    std::memcpy(at, value.data(), value.size());
    at_ = endLine(at + value.size());
}

void Out::raw(int code, std::string_view value) {
    // Most values are short: code and value in one piece check.
    if (value.size() <= kMaxNumberChars) {
        char* at = this->code(room(kNumberGroupBytes), code);
        std::memcpy(at, value.data(), value.size());
        at_ = endLine(at + value.size());
        return;
    }
    at_ = this->code(room(16), code);
    line(value);
}

void Out::text(int code, std::string_view hostText) {
    if (encodesAsItIs(hostText, encoding_)) return raw(code, hostText);
    scratch_.clear();
    encodeText(hostText, encoding_, scratch_);
    raw(code, scratch_);
}

void Out::pooledText(int code, std::string_view name) {
    if (std::find(plainNames_.begin(), plainNames_.end(), name.data()) != plainNames_.end()) return raw(code, name);
    if (!encodesAsItIs(name, encoding_)) return text(code, name);
    plainNames_[nextPlainName_++ % plainNames_.size()] = name.data();
    raw(code, name);
}

// Numbers are formatted straight into the piece.
void Out::real(int code, double value) {
    char* at = this->code(room(kNumberGroupBytes), code);
    at_ = endLine(at + formatReal(at, value));
}

void Out::degrees(int code, double radians) {
    char* at = this->code(room(kNumberGroupBytes), code);
    if (degreesAsRead_ && !degreesAsRead_->empty()) {
        const auto it = degreesAsRead_->find(std::bit_cast<std::uint64_t>(radians));
        if (it != degreesAsRead_->end()) {
            at_ = endLine(at + formatReal(at, it->second));
            return;
        }
    }
    at_ = endLine(at + formatDegrees(at, radians));
}

void Out::integer(int code, std::int64_t value) {
    char* at = this->code(room(kNumberGroupBytes), code);
    at_ = endLine(at + formatInteger(at, value));
}

void Out::handle(int code, std::uint64_t value) {
    char* at = this->code(room(kNumberGroupBytes), code);
    at_ = endLine(at + formatHandle(at, value));
}

void Out::point(int code, const double xyz[3], bool flat) {
    real(code, xyz[0]);
    real(code + 10, xyz[1]);
    if (!flat) real(code + 20, xyz[2]);
}

void Out::group(const Group& g, bool angle) {
    switch (g.kind) {
    case GroupKind::String:
        return g.pooled ? pooledText(g.code, g.text) : text(g.code, g.text);
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
