#include "dxf_scanner.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "dxf_binary.h"
#include "dxf_numbers.h"
#include "zcad/text.h"

namespace zcad::dxf {

namespace {

constexpr int kMinCode = -5;
constexpr int kMaxCode = 1071;
// Far beyond any DXF value (strings stop near 2049 bytes); keeps sizes in 32 bits.
constexpr std::size_t kMaxValueLine = 1u << 26;

// The first '\n' in [from, end), or end. Lines are short, so a library call
// per line costs more than the search: eight bytes are tested at a time.
const char* findNewline(const char* from, const char* end) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    constexpr std::uint64_t kNewlines = kOnes * '\n';
    while (end - from >= 8) {
        std::uint64_t word;
        std::memcpy(&word, from, 8);
        const std::uint64_t x = word ^ kNewlines;
        const std::uint64_t found = (x - kOnes) & ~x & kHighs;
        if (found) return from + std::countr_zero(found) / 8;
        from += 8;
    }
    while (from < end && *from != '\n') ++from;
    return from;
}

// A code line is nearly always up to four digits with blanks before them.
bool parseCodeFast(std::string_view text, int& code) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    const std::size_t first = at;
    int value = 0;
    while (at < text.size() && at - first < 4 && text[at] >= '0' && text[at] <= '9') value = value * 10 + (text[at++] - '0');
    if (at == first || at != text.size()) return false;
    code = value;
    return true;
}

std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string out = "\"";
    for (const char c : text.substr(0, kShown)) out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    if (text.size() > kShown) out += "...";
    return out + "\"";
}

}  // namespace

struct Scanner::BinaryState {
    static constexpr std::size_t kSlots = 4;
    const char* begin;
    bool wideCodes;
    std::size_t next = 0;
    std::array<std::array<char, kBinaryTextBytes>, kSlots> text;
};

Scanner::Scanner(std::string_view text) : pos_(text.data()), end_(text.data() + text.size()) {
    if (text.starts_with(kBinarySentinel)) {
        binary_ = std::make_shared<BinaryState>();
        binary_->begin = text.data();
        pos_ += kBinarySentinel.size();
        binary_->wideCodes = binaryHasWideCodes(text.substr(kBinarySentinel.size()));
        line_ = kBinarySentinel.size();
        return;
    }
    // A byte order mark may lead UTF-8 files.
    if (text.size() >= 3 && std::memcmp(pos_, "\xEF\xBB\xBF", 3) == 0) pos_ += 3;
}

void Scanner::fail(std::size_t line, std::string_view message) {
    if (!error_.empty()) return;
    error_ = (binary_ ? "byte " : "line ") + std::to_string(line) + ": " + std::string(message);
}

bool Scanner::nextBinary(Token& token) {
    BinaryCursor cursor{pos_, end_, binary_->wideCodes};
    char* text = binary_->text[binary_->next].data();
    binary_->next = (binary_->next + 1) % BinaryState::kSlots;
    const std::size_t at = line_;
    std::string error;
    const bool read = readBinaryGroup(cursor, token.code, token.value, text, error);
    if (!read) {
        if (!error.empty()) fail(at, error);
        return false;
    }
    if (token.code < kMinCode || token.code > kMaxCode) {
        fail(at, "group code " + std::to_string(token.code) + " is out of range");
        return false;
    }
    token.line = at;
    pos_ = cursor.pos;
    line_ = static_cast<std::size_t>(pos_ - binary_->begin);
    return true;
}

bool Scanner::readLine(std::string_view& line) {
    if (pos_ >= end_) return false;
    const char* stop = findNewline(pos_, end_);
    line = std::string_view(pos_, static_cast<std::size_t>(stop - pos_));
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
        crlf_ = true;
    }
    pos_ = stop < end_ ? stop + 1 : end_;
    ++line_;
    return true;
}

bool Scanner::parseCode(std::string_view codeLine, std::size_t codeAt, int& code) {
    const std::string_view digits = trimmed(codeLine);
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (digits.empty() || parsed.ec != std::errc() || parsed.ptr != digits.data() + digits.size()) {
        if (parsed.ec == std::errc::result_out_of_range) {
            fail(codeAt, "group code " + quoted(digits) + " is out of range");
        } else {
            fail(codeAt, "group code " + quoted(digits) + " is not a number");
        }
        return false;
    }
    return true;
}

bool Scanner::next(Token& token) {
    if (!error_.empty()) return false;
    if (pending_) {
        pending_ = false;
        token = pushed_;
        return true;
    }
    if (binary_) return nextBinary(token);
    std::string_view codeLine;
    const std::size_t codeAt = line_;
    if (!readLine(codeLine)) return false;
    int code = 0;
    if (!parseCodeFast(codeLine, code) && !parseCode(codeLine, codeAt, code)) return false;
    if (code < kMinCode || code > kMaxCode) {
        fail(codeAt, "group code " + std::to_string(code) + " is out of range");
        return false;
    }
    std::string_view value;
    if (!readLine(value)) {
        fail(codeAt, "group code " + std::to_string(code) + " has no value line (the file is cut short)");
        return false;
    }
    if (value.size() > kMaxValueLine) {
        fail(codeAt + 1, "value line is longer than any DXF value");
        return false;
    }
    token.code = code;
    token.value = value;
    token.line = codeAt;
    return true;
}

void Scanner::pushBack(const Token& token) {
    pushed_ = token;
    pending_ = true;
}

}  // namespace zcad::dxf
