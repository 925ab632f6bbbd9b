#include "text_codes.h"

#include <iconv.h>

#include "zcad/text.h"

namespace zcad::render {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// `count` hexadecimal digits at text[at], or -1.
long hexAt(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return -1;
    long value = 0;
    for (std::size_t k = at; k < at + count; ++k) {
        const int h = hexDigitValue(text[k]);
        if (h < 0) return -1;
        value = value * 16 + h;
    }
    return value;
}

// The code pages "\M+n" names: 1 Japanese, 2 traditional Chinese, 3 Korean
// (Wansung), 4 Korean (Johab), 5 simplified Chinese.
const char* codePageOf(char n) {
    switch (n) {
    case '1':
        return "CP932";
    case '2':
        return "CP950";
    case '3':
        return "CP949";
    case '4':
        return "JOHAB";
    case '5':
        return "CP936";
    default:
        return nullptr;
    }
}

char32_t fromCodePage(const char* page, long pair) {
    const iconv_t convert = iconv_open("UTF-32LE", page);
    if (convert == reinterpret_cast<iconv_t>(-1)) return 0;
    char in[2] = {static_cast<char>(pair >> 8), static_cast<char>(pair & 0xFF)};
    unsigned char out[4] = {};
    char* from = in;
    char* to = reinterpret_cast<char*>(out);
    std::size_t left = 2;
    std::size_t room = sizeof out;
    const bool done = iconv(convert, &from, &left, &to, &room) != static_cast<std::size_t>(-1) && room == 0;
    iconv_close(convert);
    if (!done) return 0;
    return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
}

}  // namespace

std::size_t unicodeEscape(std::string_view text, std::size_t i, char32_t& c) {
    if (i + 2 >= text.size() || text[i] != '\\' || text[i + 2] != '+') return 0;
    const char kind = upperChar(text[i + 1]);
    if (kind == 'U') {
        const long unit = hexAt(text, i + 3, 4);
        if (unit < 0) return 0;
        // A high surrogate and its low partner make one character.
        if (unit >= 0xD800 && unit < 0xDC00 && text.compare(i + 7, 3, "\\U+") == 0) {
            const long low = hexAt(text, i + 10, 4);
            if (low >= 0xDC00 && low < 0xE000) {
                c = static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                return 14;
            }
        }
        c = unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : static_cast<char32_t>(unit);
        return 7;
    }
    if (kind == 'M' && i + 3 < text.size()) {
        const char* page = codePageOf(text[i + 3]);
        const long pair = hexAt(text, i + 4, 4);
        if (!page || pair < 0) return 0;
        const char32_t decoded = fromCodePage(page, pair);
        c = decoded ? decoded : 0xFFFD;
        return 8;
    }
    return 0;
}

void lineChars(std::string_view text, std::vector<LineChar>& out) {
    out.clear();
    bool over = false;
    bool under = false;
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t c = 0;
        if (const std::size_t length = unicodeEscape(text, i, c)) {
            out.push_back({c, over, under});
            i += length;
            continue;
        }
        if (text.compare(i, 2, "%%") != 0 || i + 2 >= text.size()) {
            out.push_back({cp1252::unicodeOf(static_cast<unsigned char>(text[i])), over, under});
            ++i;
            continue;
        }
        const char code = text[i + 2];
        if (i + 4 < text.size() && isDigit(code) && isDigit(text[i + 3]) && isDigit(text[i + 4])) {
            const int value = ((code - '0') * 100 + (text[i + 3] - '0') * 10 + (text[i + 4] - '0')) & 0xFF;
            out.push_back({cp1252::unicodeOf(static_cast<unsigned char>(value)), over, under});
            i += 5;
            continue;
        }
        i += 3;
        switch (upperChar(code)) {
        case 'D':
            out.push_back({U'\u00B0', over, under});
            break;
        case 'P':
            out.push_back({U'\u00B1', over, under});
            break;
        case 'C':
            out.push_back({U'\u2300', over, under});
            break;
        case 'O':
            over = !over;
            break;
        case 'U':
            under = !under;
            break;
        default:
            out.push_back({cp1252::unicodeOf(static_cast<unsigned char>(code)), over, under});
            break;
        }
    }
}

}  // namespace zcad::render
