#include "dxf_text.h"

#include "zcad/text.h"

namespace zcad::dxf {

namespace {

bool isCaretLetter(char c) { return c >= 0x40 && c <= 0x5F; }

bool needsWork(std::string_view text, bool highBytesMatter) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u == '^' || u < 0x20 || (highBytesMatter && u >= 0x80)) return true;
    }
    return false;
}

void appendEscape(std::string& out, char32_t unit) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\U+";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
}

void appendHostChar(std::string& out, char32_t cp) {
    const int byte = cp1252::byteOf(cp);
    if (byte >= 0) {
        out += static_cast<char>(byte);
        return;
    }
    if (cp < 0x10000) return appendEscape(out, cp);
    const char32_t v = cp - 0x10000;
    appendEscape(out, 0xD800 + (v >> 10));
    appendEscape(out, 0xDC00 + (v & 0x3FF));
}

// A "\U+XXXX" escape at `i`: its code unit, or -1.
long escapeAt(std::string_view text, std::size_t i) {
    if (i + 7 > text.size() || text[i] != '\\' || (text[i + 1] != 'U' && text[i + 1] != 'u') || text[i + 2] != '+') {
        return -1;
    }
    long unit = 0;
    for (std::size_t k = i + 3; k < i + 7; ++k) {
        const int h = hexDigitValue(text[k]);
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
            if (utf8::next(fileText, at, cp)) {
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

bool encodesAsItIs(std::string_view hostText, TextEncoding encoding) {
    const bool utf8 = encoding == TextEncoding::Utf8;
    return !needsWork(hostText, utf8) && !(utf8 && hostText.find("\\U+") != std::string_view::npos);
}

void encodeText(std::string_view hostText, TextEncoding encoding, std::string& out) {
    const bool utf8 = encoding == TextEncoding::Utf8;
    if (encodesAsItIs(hostText, encoding)) {
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
            utf8::append(out, cp1252::unicodeOf(u));
            ++i;
            continue;
        }
        // An escape of a character the host holds as a byte was text in
        // the file, and stays text.
        const long unit = escapeAt(hostText, i);
        if (unit >= 0 && (unit < 0xD800 || unit > 0xDFFF) && cp1252::byteOf(static_cast<char32_t>(unit)) < 0) {
            utf8::append(out, static_cast<char32_t>(unit));
            i += 7;
            continue;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            const long low = escapeAt(hostText, i + 7);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                utf8::append(out, static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
                i += 14;
                continue;
            }
        }
        appendCaretSafe(out, hostText, i++);
    }
}

}  // namespace zcad::dxf
