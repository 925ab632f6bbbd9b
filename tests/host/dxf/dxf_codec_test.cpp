// Numbers and text at the file boundary.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <utility>

#include "dxf/dxf_numbers.h"
#include "dxf/dxf_text.h"
#include "text/number_text.h"

namespace {

using namespace zcad::dxf;
using zcad::parseInteger;
using zcad::parseReal;

std::string real(double v) {
    char buffer[kMaxNumberChars];
    return std::string(buffer, formatReal(buffer, v));
}

std::string degrees(double radians) {
    char buffer[kMaxNumberChars];
    return std::string(buffer, formatDegrees(buffer, radians));
}

// Survey decimals are written as plain decimals; past the plain range the
// general shortest spelling takes over.
TEST(DxfNumbers, RealsAreShortestAndReadBackExactly) {
    for (const auto& [v, text] : std::initializer_list<std::pair<double, const char*>>{
             {0.1 + 0.2, "0.30000000000000004"}, {0.0, "0.0"}, {-0.0, "-0.0"}, {1e20, "1e+20"}, {500123.456, "500123.456"},
             {1e5, "100000.0"}, {0.000001, "0.000001"}, {4294967295.999999, "4294967295.999999"},
             {4294967296.5, "4294967296.5"}, {1e-7, "1e-07"}}) {
        EXPECT_EQ(real(v), text);
    }
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> coordinate(-1e7, 1e7);
    for (int i = 0; i < 100000; ++i) {
        const double v = coordinate(random) * std::pow(10.0, static_cast<int>(random() % 40) - 20);
        double back = 0;
        ASSERT_TRUE(parseReal(real(v), back)) << real(v);
        ASSERT_EQ(back, v) << real(v);
    }
}

// Significant digits of a number's spelling, sign, point and exponent aside.
int significantDigits(const std::string& text) {
    const std::string mantissa = text.substr(0, text.find_first_of("eE"));
    std::string digits;
    for (const char c : mantissa) {
        if (c >= '0' && c <= '9') digits += c;
    }
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 1;
    const auto last = digits.find_last_not_of('0');
    return static_cast<int>(last - first + 1);
}

TEST(DxfNumbers, SurveyDecimalsAreNoLongerThanTheGeneralSpelling) {
    std::mt19937_64 random(19);
    for (int i = 0; i < 200000; ++i) {
        const int decimals = static_cast<int>(random() % 8);
        const double scale = std::pow(10.0, decimals);
        const auto units = static_cast<std::int64_t>(random() % 9000000000000000ull) - 4500000000000000;
        const double v = static_cast<double>(units % static_cast<std::int64_t>(5e9 * scale)) / scale;
        const std::string text = real(v);
        double back = 0;
        ASSERT_TRUE(parseReal(text, back)) << text;
        ASSERT_EQ(std::signbit(back), std::signbit(v)) << text;
        ASSERT_EQ(back, v) << text;
        char general[kMaxNumberChars];
        const auto end = std::to_chars(general, general + sizeof general, v).ptr;
        ASSERT_LE(significantDigits(text), significantDigits(std::string(general, end))) << text;
    }
}

TEST(DxfNumbers, PlainDecimalsReadAsTheGeneralParserReadsThem) {
    std::mt19937_64 random(23);
    for (int i = 0; i < 200000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        const int whole = static_cast<int>(random() % 16);
        const int fraction = static_cast<int>(random() % 16);
        for (int k = 0; k < whole; ++k) text += static_cast<char>('0' + random() % 10);
        if (fraction > 0 || random() % 2) text += '.';
        for (int k = 0; k < fraction; ++k) text += static_cast<char>('0' + random() % 10);
        double expected = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), expected);
        const bool valid = result.ec == std::errc() && result.ptr == text.data() + text.size();
        double got = 0;
        ASSERT_EQ(parseReal(text, got), valid) << text;
        if (!valid) continue;
        ASSERT_EQ(got, expected) << text;
        ASSERT_EQ(std::signbit(got), std::signbit(expected)) << text;
    }
}

TEST(DxfNumbers, AnglesComeBackAsTheDegreesTheFileGave) {
    for (const double d : {0.0, 30.0, 45.5, 90.0, 12.75, 200.25, 359.999, 1e-9, 123.456789012345}) {
        EXPECT_EQ(degrees(degreesToRadians(d)), real(d)) << d;
    }
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> any(-720.0, 720.0);
    for (int i = 0; i < 100000; ++i) {
        const double radians = degreesToRadians(any(random));
        double back = 0;
        ASSERT_TRUE(parseReal(degrees(radians), back));
        ASSERT_EQ(degreesToRadians(back), radians) << degrees(radians);
    }
}

// Upper-case hexadecimal without leading zeros, and back again.
TEST(DxfNumbers, HandlesAreHexadecimalAndReadBack) {
    for (const auto& [handle, text] : std::initializer_list<std::pair<std::uint64_t, const char*>>{
             {0, "0"}, {0xF, "F"}, {0x10, "10"}, {0x3AF, "3AF"}, {~std::uint64_t{0}, "FFFFFFFFFFFFFFFF"}}) {
        char buffer[kMaxNumberChars];
        EXPECT_EQ(std::string(buffer, formatHandle(buffer, handle)), text);
    }
    std::mt19937_64 random(11);
    for (int i = 0; i < 10000; ++i) {
        const std::uint64_t handle = random() >> (random() % 64);
        char buffer[kMaxNumberChars];
        std::uint64_t back = 0;
        ASSERT_TRUE(parseHandle(std::string_view(buffer, formatHandle(buffer, handle)), back));
        ASSERT_EQ(back, handle);
    }
}

TEST(DxfNumbers, ParsingIsStrict) {
    double d = 0;
    std::int64_t i = 0;
    std::uint64_t h = 0;
    EXPECT_TRUE(parseReal("  +1.5E+3 \r", d));
    EXPECT_EQ(d, 1500.0);
    EXPECT_TRUE(parseReal(".5", d));
    for (const char* bad : {"", " ", "1.5x", "inf", "nan", "1e999", "0x10", "--1"}) EXPECT_FALSE(parseReal(bad, d)) << bad;
    EXPECT_TRUE(parseInteger("   -42", i));
    EXPECT_EQ(i, -42);
    for (const char* bad : {"", "4.0", "12a", "99999999999999999999"}) EXPECT_FALSE(parseInteger(bad, i)) << bad;
    EXPECT_TRUE(parseHandle("3aF", h));
    EXPECT_EQ(h, 0x3AFu);
    EXPECT_FALSE(parseHandle("G1", h));
    EXPECT_FALSE(parseHandle("12345678901234567", h));
}

std::string decode(std::string_view text, TextEncoding encoding) {
    std::string scratch;
    return std::string(decodeText(text, encoding, scratch));
}

std::string encode(std::string_view text, TextEncoding encoding) {
    std::string out;
    encodeText(text, encoding, out);
    return out;
}

TEST(DxfText, ControlCharactersTravelInCaretNotation) {
    EXPECT_EQ(encode("a\nb\tc\x1f", TextEncoding::Ansi), "a^Jb^Ic^_");
    EXPECT_EQ(encode("x^y ^", TextEncoding::Ansi), "x^ y ^ ");
    EXPECT_EQ(decode("a^Jb^ c^z^", TextEncoding::Ansi), "a\nb^c^z^");
    // Every host string survives the trip through the file.
    std::mt19937 random(3);
    for (int i = 0; i < 20000; ++i) {
        std::string host;
        for (int n = static_cast<int>(random() % 12); n > 0; --n) {
            const char pool[] = {'^', ' ', 'J', '\n', '\r', 'a', '@', '\xE9', 'U', '+', '4', '_'};
            host += pool[random() % sizeof pool];
        }
        for (const auto encoding : {TextEncoding::Ansi, TextEncoding::Utf8}) {
            const std::string file = encode(host, encoding);
            ASSERT_EQ(file.find_first_of("\r\n"), std::string::npos);
            ASSERT_EQ(decode(file, encoding), host) << file;
        }
    }
}

TEST(DxfText, Utf8FilesMapToWindows1252AndEscapes) {
    EXPECT_EQ(decode("\xC3\xA9\xE2\x82\xAC\xE2\x80\x9C", TextEncoding::Utf8), "\xE9\x80\x93");
    EXPECT_EQ(decode("\xE4\xB8\xAD", TextEncoding::Utf8), "\\U+4E2D");
    EXPECT_EQ(decode("\xF0\x9F\x98\x80", TextEncoding::Utf8), "\\U+D83D\\U+DE00");
    EXPECT_EQ(encode("\\U+D83D\\U+DE00 \\U+4e2d \xE9", TextEncoding::Utf8), "\xF0\x9F\x98\x80 \xE4\xB8\xAD \xC3\xA9");
    // Bytes that are not UTF-8 are taken as Windows-1252.
    EXPECT_EQ(decode("\xE9t\xE9", TextEncoding::Utf8), "\xE9t\xE9");
    // Pre-2007 files keep their bytes.
    EXPECT_EQ(decode("\xE9\\U+4E2D", TextEncoding::Ansi), "\xE9\\U+4E2D");
    EXPECT_EQ(encode("\xE9\\U+4E2D", TextEncoding::Ansi), "\xE9\\U+4E2D");
}

}  // namespace
