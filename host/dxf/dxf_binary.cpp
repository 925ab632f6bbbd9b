#include "dxf_binary.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "dxf_numbers.h"

namespace zcad::dxf {

namespace {

// The value forms of binary DXF by group code (the file's codes, so y and
// z groups are reals too).
enum class BinaryForm { String, Real, Int16, Int32, Int64, Bool, Chunk };

BinaryForm binaryForm(int code) {
    const auto in = [code](int low, int high) { return code >= low && code <= high; };
    if (in(10, 59) || in(110, 149) || in(210, 239) || in(460, 469) || in(1010, 1059)) return BinaryForm::Real;
    if (in(60, 79) || in(170, 179) || in(270, 289) || in(370, 389) || in(400, 409) || in(1060, 1070)) {
        return BinaryForm::Int16;
    }
    if (in(90, 99) || in(420, 429) || in(440, 459) || code == 1071) return BinaryForm::Int32;
    if (in(160, 169)) return BinaryForm::Int64;
    if (in(290, 299)) return BinaryForm::Bool;
    if (in(310, 319) || code == 1004) return BinaryForm::Chunk;
    return BinaryForm::String;
}

template <typename T>
bool take(BinaryCursor& c, T& value) {
    if (static_cast<std::size_t>(c.end - c.pos) < sizeof(T)) return false;
    std::memcpy(&value, c.pos, sizeof(T));  // little-endian, as x86 and ARM run
    c.pos += sizeof(T);
    return true;
}

bool readCode(BinaryCursor& c, int& code) {
    if (c.wideCodes) {
        std::int16_t wide = 0;
        if (!take(c, wide)) return false;
        code = wide;
        return true;
    }
    std::uint8_t narrow = 0;
    if (!take(c, narrow)) return false;
    if (narrow != 255) {
        code = narrow;
        return true;
    }
    std::int16_t escaped = 0;
    if (!take(c, escaped)) return false;
    code = escaped;
    return true;
}

bool readString(BinaryCursor& c, std::string_view& value, std::string& error) {
    const auto* nul = static_cast<const char*>(std::memchr(c.pos, '\0', static_cast<std::size_t>(c.end - c.pos)));
    if (!nul) {
        error = "a string runs to the end of the file";
        return false;
    }
    value = std::string_view(c.pos, static_cast<std::size_t>(nul - c.pos));
    // Written back as a line of the text form, a line break would split it.
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        error = "a string holds a line break";
        return false;
    }
    c.pos = nul + 1;
    return true;
}

bool readChunk(BinaryCursor& c, char* text, std::string_view& value) {
    std::uint8_t length = 0;
    if (!take(c, length) || static_cast<std::size_t>(c.end - c.pos) < length) return false;
    constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<std::uint8_t>(c.pos[i]);
        text[2 * i] = kHex[byte >> 4];
        text[2 * i + 1] = kHex[byte & 15];
    }
    c.pos += length;
    value = std::string_view(text, 2 * std::size_t{length});
    return true;
}

template <typename T>
bool readInteger(BinaryCursor& c, char* text, std::string_view& value) {
    T number{};
    if (!take(c, number)) return false;
    const auto end = std::to_chars(text, text + kMaxNumberChars, static_cast<std::int64_t>(number)).ptr;
    value = std::string_view(text, static_cast<std::size_t>(end - text));
    return true;
}

}  // namespace

bool binaryHasWideCodes(std::string_view afterSentinel) { return afterSentinel.size() < 2 || afterSentinel[1] == '\0'; }

bool readBinaryGroup(BinaryCursor& cursor, int& code, std::string_view& value, char* text, std::string& error) {
    error.clear();
    if (cursor.pos >= cursor.end) return false;
    if (!readCode(cursor, code)) {
        error = "the file ends inside a group code";
        return false;
    }
    bool whole = true;
    switch (binaryForm(code)) {
    case BinaryForm::String:
        return readString(cursor, value, error);
    case BinaryForm::Real: {
        double number = 0;
        whole = take(cursor, number);
        if (whole && !std::isfinite(number)) {
            error = "group " + std::to_string(code) + " value is not a finite number";
            return false;
        }
        if (whole) value = std::string_view(text, formatReal(text, number));
        break;
    }
    case BinaryForm::Int16:
        whole = readInteger<std::int16_t>(cursor, text, value);
        break;
    case BinaryForm::Int32:
        whole = readInteger<std::int32_t>(cursor, text, value);
        break;
    case BinaryForm::Int64:
        whole = readInteger<std::int64_t>(cursor, text, value);
        break;
    case BinaryForm::Bool:
        whole = readInteger<std::uint8_t>(cursor, text, value);
        break;
    case BinaryForm::Chunk:
        whole = readChunk(cursor, text, value);
        break;
    }
    if (!whole) error = "the file ends inside the value of group " + std::to_string(code);
    return whole;
}

}  // namespace zcad::dxf
