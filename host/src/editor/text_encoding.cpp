#include "zcad/text.h"
#include "zcad/text_edges.h"

namespace zcad {

namespace {

// The host text of a UTF-8 line, with '?' for each character the code page
// cannot hold (the first of them in `unmappable`).
enum class Decoded { Whole, Unmappable, NotUtf8 };

Decoded decodeUtf8(std::string_view text, std::string& out, char32_t& unmappable) {
    out.clear();
    out.reserve(text.size());
    unmappable = 0;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        if (!utf8::next(text, i, cp)) return Decoded::NotUtf8;
        const int byte = cp1252::byteOf(cp);
        if (byte < 0 && !unmappable) unmappable = cp;
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return unmappable ? Decoded::Unmappable : Decoded::Whole;
}

}  // namespace

void appendUtf8OfHostText(std::string& out, std::string_view text) {
    for (const char c : text) utf8::append(out, cp1252::unicodeOf(static_cast<unsigned char>(c)));
}

std::string utf8OfHostText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendUtf8OfHostText(out, text);
    return out;
}

InputLine hostTextOfInput(std::string_view line) {
    InputLine result;
    if (decodeUtf8(line, result.text, result.refused) == Decoded::NotUtf8) {
        result.text.assign(line);
        result.refused = 0;
    }
    return result;
}

std::string describeCharacter(char32_t character) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string code;
    for (char32_t rest = character; rest || code.size() < 4; rest >>= 4) code.insert(code.begin(), kHex[rest & 0xF]);
    return "U+" + code;
}

std::string fileSystemName(std::string_view hostText) { return utf8OfHostText(hostText); }

std::string hostTextOfUtf8(std::string_view name) {
    std::string text;
    char32_t unmappable = 0;
    return decodeUtf8(name, text, unmappable) == Decoded::Whole ? text : std::string(name);
}

}  // namespace zcad
