#include "text_encoding.h"

#include "zcad/text.h"

namespace zcad {

void appendUtf8FromCp1252(std::string& out, std::string_view text) {
    for (const char c : text) utf8::append(out, cp1252::unicodeOf(static_cast<unsigned char>(c)));
}

std::string cp1252FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        if (!utf8::next(text, i, cp)) {  // not UTF-8: take the byte as it is
            out.push_back(text[i++]);
            continue;
        }
        const int byte = cp1252::byteOf(cp);
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return out;
}

}  // namespace zcad
