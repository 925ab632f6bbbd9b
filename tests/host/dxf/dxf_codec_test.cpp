// Numbers and text at the file boundary.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "../../../host/dxf/dxf_numbers.h"
#include "../../../host/dxf/dxf_text.h"

namespace {

using namespace zcad::dxf;

std::string real(double v) {
    char buffer[kMaxNumberChars];
    return std::string(buffer, formatReal(buffer, v));
}

std::string degrees(double radians) {
    char buffer[kMaxNumberChars];
    return std::string(buffer, formatDegrees(buffer, radians));
}

TEST(DxfNumbers, RealsAreShortestAndReadBackExactly) {
    EXPECT_EQ(real(100.0), "100.0");
    EXPECT_EQ(real(0.1), "0.1");
    EXPECT_EQ(real(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(real(-0.0), "-0.0");
    EXPECT_EQ(real(1e20), "1e+20");
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> coordinate(-1e7, 1e7);
    for (int i = 0; i < 100000; ++i) {
        const double v = coordinate(random) * std::pow(10.0, static_cast<int>(random() % 40) - 20);
        double back = 0;
        ASSERT_TRUE(parseReal(real(v), back)) << real(v);
        ASSERT_EQ(back, v) << real(v);
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
