#include "reg_codec.h"

#include <cstdio>

#include <zcad/text.h>

namespace zplat::reg {

namespace {

// A code point in Windows-1252, or '?' where the code page has none.
char toCp1252(std::uint32_t cp) {
    const int byte = zcad::cp1252::byteOf(cp);
    return byte < 0 ? '?' : static_cast<char>(byte);
}

// UTF-16LE units as single-byte text; an odd last byte is left out.
std::string fromUtf16(const unsigned char* bytes, std::size_t size) {
    std::string out;
    out.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const std::uint32_t unit = bytes[i] | (bytes[i + 1] << 8);
        // A surrogate pair is one character, beyond the code page either way.
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < size) i += 2;
        out.push_back(toCp1252(unit));
    }
    return out;
}

std::optional<std::string> decodeUtf16(std::string_view bytes, std::string& error) {
    if (bytes.size() % 2 != 0) {
        error = "the UTF-16 text has an odd number of bytes";
        return std::nullopt;
    }
    return fromUtf16(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

std::optional<std::string> decodeUtf8(std::string_view bytes, std::string& error) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        if (!zcad::utf8::next(bytes, i, cp)) {
            error = "the file is marked UTF-8 but is not valid UTF-8";
            return std::nullopt;
        }
        out.push_back(toCp1252(cp));
    }
    return out;
}

}  // namespace

std::optional<std::string> decodeFileText(std::string_view bytes, std::string& error) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE)
        return decodeUtf16(bytes.substr(2), error);
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return decodeUtf8(bytes.substr(3), error);
    return std::string(bytes);
}

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

std::optional<std::string> unquote(std::string_view s, std::string_view& rest) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            rest = s.substr(i + 1);
            return out;
        }
        // regedit writes only \\ and \"; any other backslash stands for itself.
        if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
            out.push_back(s[++i]);
            continue;
        }
        out.push_back(c);
    }
    return std::nullopt;
}

std::optional<HexData> parseHex(std::string_view raw) {
    HexData data;
    if (raw.substr(0, 4) == "hex:") {
        data.type = 3;  // REG_BINARY
        raw.remove_prefix(4);
    } else if (raw.substr(0, 4) == "hex(") {
        const auto close = raw.find("):");
        if (close == std::string_view::npos || close == 4 || close > 12) return std::nullopt;
        std::uint32_t type = 0;
        for (const char c : raw.substr(4, close - 4)) {
            const int d = zcad::hexDigitValue(c);
            if (d < 0) return std::nullopt;
            type = type * 16 + static_cast<std::uint32_t>(d);
        }
        data.type = type;
        raw.remove_prefix(close + 2);
    } else {
        return std::nullopt;
    }
    int digits = 0;
    int byte = 0;
    bool needByte = false;  // a comma was seen and a byte must follow
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == ' ' || c == '\t') continue;
        if (c == '\\') {
            // Only as the last thing on a line that goes on.
            std::size_t j = i + 1;
            while (j < raw.size() && (raw[j] == ' ' || raw[j] == '\t')) ++j;
            if (j >= raw.size() || raw[j] != '\n') return std::nullopt;
            i = j;
            continue;
        }
        if (c == '\n') return std::nullopt;  // a line break without its backslash
        if (c == ',') {
            if (digits == 0) return std::nullopt;
            data.bytes.push_back(static_cast<std::uint8_t>(byte));
            digits = 0;
            byte = 0;
            needByte = true;
            continue;
        }
        const int d = zcad::hexDigitValue(c);
        if (d < 0 || digits == 2) return std::nullopt;
        byte = byte * 16 + d;
        ++digits;
        needByte = false;
    }
    if (digits > 0) data.bytes.push_back(static_cast<std::uint8_t>(byte));
    if (needByte) return std::nullopt;
    return data;
}

std::string formatHex(std::uint32_t type, const std::vector<std::uint8_t>& bytes) {
    std::string out = type == 3 ? "hex:" : "hex(" + [&] {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%x", static_cast<unsigned>(type));
        return std::string(buf);
    }() + "):";
    std::size_t lineLength = out.size() + 24;  // room for the value's name
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02x", static_cast<unsigned>(bytes[i]));
        out += buf;
        lineLength += 2;
        if (i + 1 == bytes.size()) break;
        out.push_back(',');
        ++lineLength;
        if (lineLength > 75) {  // regedit keeps its lines under 80 columns
            out += "\\\n  ";
            lineLength = 2;
        }
    }
    return out;
}

std::string utf16ToText(const std::vector<std::uint8_t>& bytes) { return fromUtf16(bytes.data(), bytes.size()); }

std::vector<std::uint8_t> textToUtf16(std::string_view text) {
    std::vector<std::uint8_t> out;
    out.reserve(text.size() * 2);
    for (const char c : text) {
        const char32_t cp = zcad::cp1252::unicodeOf(static_cast<unsigned char>(c));
        out.push_back(static_cast<std::uint8_t>(cp & 0xFF));
        out.push_back(static_cast<std::uint8_t>(cp >> 8));
    }
    return out;
}

}  // namespace zplat::reg
