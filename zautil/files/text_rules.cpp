#include "files/text_rules.h"

namespace zafiles {

void upperInPlace(std::string& text) {
    for (char& c : text) c = upperAscii(c);
}

void lowerInPlace(std::string& text) {
    for (char& c : text) c = lowerAscii(c);
}

std::string lowerCased(std::string_view text) {
    std::string lowered(text);
    lowerInPlace(lowered);
    return lowered;
}

std::string_view trimLeadingSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view trimLeadingCSpace(std::string_view text) {
    while (!text.empty() && isCSpace(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view trimField(std::string_view text) {
    text = trimLeadingSpaces(text);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.remove_suffix(1);
    return text;
}

std::string_view trimTrailingSpaces(std::string_view text) { return text.substr(0, text.find_last_not_of(' ') + 1); }

std::string fontStem(std::string_view name) { return lowerCased(name.substr(0, name.find('.'))); }

unsigned unicodeOf(char c) {
    // Bytes 0x80 to 0x9F; the rest are Latin-1's own.
    static constexpr unsigned kHigh[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte;
}

}  // namespace zafiles
