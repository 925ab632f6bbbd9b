#include "dxf_scanner.h"

#include <charconv>
#include <cstring>

#include "dxf_numbers.h"

namespace zcad::dxf {

namespace {

constexpr int kMinCode = -5;
constexpr int kMaxCode = 1071;
// Far beyond any DXF value (strings stop near 2049 bytes); keeps sizes in 32 bits.
constexpr std::size_t kMaxValueLine = 1u << 26;

std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string out = "\"";
    for (const char c : text.substr(0, kShown)) out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    if (text.size() > kShown) out += "...";
    return out + "\"";
}

}  // namespace

Scanner::Scanner(std::string_view text) : pos_(text.data()), end_(text.data() + text.size()) {
    // A byte order mark may lead UTF-8 files.
    if (text.size() >= 3 && std::memcmp(pos_, "\xEF\xBB\xBF", 3) == 0) pos_ += 3;
}

void Scanner::fail(std::size_t line, std::string_view message) {
    if (!error_.empty()) return;
    error_ = "line " + std::to_string(line) + ": " + std::string(message);
}

bool Scanner::readLine(std::string_view& line) {
    if (pos_ >= end_) return false;
    const auto* newline = static_cast<const char*>(std::memchr(pos_, '\n', static_cast<std::size_t>(end_ - pos_)));
    const char* stop = newline ? newline : end_;
    line = std::string_view(pos_, static_cast<std::size_t>(stop - pos_));
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
        crlf_ = true;
    }
    pos_ = newline ? newline + 1 : end_;
    ++line_;
    return true;
}

bool Scanner::next(Token& token) {
    if (!error_.empty()) return false;
    if (pending_) {
        pending_ = false;
        token = pushed_;
        return true;
    }
    std::string_view codeLine;
    const std::size_t codeAt = line_;
    if (!readLine(codeLine)) return false;
    const std::string_view digits = trimBlanks(codeLine);
    int code = 0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (digits.empty() || parsed.ec != std::errc() || parsed.ptr != digits.data() + digits.size()) {
        if (parsed.ec == std::errc::result_out_of_range) {
            fail(codeAt, "group code " + quoted(digits) + " is out of range");
        } else {
            fail(codeAt, "group code " + quoted(digits) + " is not a number");
        }
        return false;
    }
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
