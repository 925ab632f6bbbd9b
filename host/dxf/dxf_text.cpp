#include "dxf_text.h"

#include <array>
#include <cstdint>

namespace zcad::dxf {

namespace {

// Unicode of Windows-1252 bytes 0x80 to 0x9F; the five unassigned bytes map
// to the C1 controls of the same value, as Windows does.
constexpr std::array<std::uint16_t, 32> kHigh1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t unicodeOf1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHigh1252[byte - 0x80];
    return byte;
}

// The 1252 byte of a code point, or -1.
int byteOf1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHigh1252.size(); ++i) {
        if (kHigh1252[i] == cp) return static_cast<int>(0x80 + i);
    }
    return -1;
}

bool isCaretLetter(char c) { return c >= 0x40 && c <= 0x5F; }

bool needsWork(std::string_view text, bool highBytesMatter) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u == '^' || u < 0x20 || (highBytesMatter && u >= 0x80)) return true;
    }
    return false;
}

// Decodes one UTF-8 sequence at `i`; false on a malformed one.
bool nextUtf8(std::string_view text, std::size_t& i, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return false;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size()) return false;
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    const char32_t minimum = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(extra) + 1;
    return true;
}

void appendEscape(std::string& out, char32_t unit) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\U+";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
}

void appendHostChar(std::string& out, char32_t cp) {
    const int byte = byteOf1252(cp);
    if (byte >= 0) {
        out += static_cast<char>(byte);
        return;
    }
    if (cp < 0x10000) return appendEscape(out, cp);
    const char32_t v = cp - 0x10000;
    appendEscape(out, 0xD800 + (v >> 10));
    appendEscape(out, 0xDC00 + (v & 0x3FF));
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A "\U+XXXX" escape at `i`: its code unit, or -1.
long escapeAt(std::string_view text, std::size_t i) {
    if (i + 7 > text.size() || text[i] != '\\' || (text[i + 1] != 'U' && text[i + 1] != 'u') || text[i + 2] != '+') {
        return -1;
    }
    long unit = 0;
    for (std::size_t k = i + 3; k < i + 7; ++k) {
        const int h = hexValue(text[k]);
        if (h < 0) return -1;
        unit = unit * 16 + h;
    }
    return unit;
}

void appendCaretSafe(std::string& out, std::string_view text, std::size_t i) {
    const char c = text[i];
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20) {
        out += '^';
        out += static_cast<char>(u + 0x40);
        return;
    }
    out += c;
    // A literal caret is always spelt "^ ", as AutoCAD writes it, so no
    // reader can take it for the start of a control character.
    if (c == '^') out += ' ';
}

}  // namespace

std::string_view decodeText(std::string_view fileText, TextEncoding encoding, std::string& scratch) {
    const bool utf8 = encoding == TextEncoding::Utf8;
    if (!needsWork(fileText, utf8)) return fileText;
    scratch.clear();
    for (std::size_t i = 0; i < fileText.size();) {
        const char c = fileText[i];
        if (c == '^' && i + 1 < fileText.size() && (isCaretLetter(fileText[i + 1]) || fileText[i + 1] == ' ')) {
            scratch += fileText[i + 1] == ' ' ? '^' : static_cast<char>(fileText[i + 1] - 0x40);
            i += 2;
            continue;
        }
        if (utf8 && static_cast<unsigned char>(c) >= 0x80) {
            char32_t cp = 0;
            std::size_t at = i;
            if (nextUtf8(fileText, at, cp)) {
                appendHostChar(scratch, cp);
                i = at;
                continue;
            }
            // Not UTF-8 after all: take the byte as Windows-1252.
        }
        scratch += c;
        ++i;
    }
    return scratch;
}

void encodeText(std::string_view hostText, TextEncoding encoding, std::string& out) {
    const bool utf8 = encoding == TextEncoding::Utf8;
    if (!needsWork(hostText, utf8) && !(utf8 && hostText.find("\\U+") != std::string_view::npos)) {
        out.append(hostText);
        return;
    }
    for (std::size_t i = 0; i < hostText.size();) {
        if (!utf8) {
            appendCaretSafe(out, hostText, i++);
            continue;
        }
        const auto u = static_cast<unsigned char>(hostText[i]);
        if (u >= 0x80) {
            appendUtf8(out, unicodeOf1252(u));
            ++i;
            continue;
        }
        const long unit = escapeAt(hostText, i);
        if (unit >= 0 && (unit < 0xD800 || unit > 0xDFFF)) {
            appendUtf8(out, static_cast<char32_t>(unit));
            i += 7;
            continue;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            const long low = escapeAt(hostText, i + 7);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
                i += 14;
                continue;
            }
        }
        appendCaretSafe(out, hostText, i++);
    }
}

}  // namespace zcad::dxf
