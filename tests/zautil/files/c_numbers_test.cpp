#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "files/c_numbers.h"
#include "files/scan_fields.h"
#include "files/text_rules.h"

using namespace zafiles;

TEST(CNumbers, ReadAsTheSuitesCConversions) {
    EXPECT_EQ(readCInt("  123 "), 123);
    EXPECT_EQ(readCInt("+12x"), 12);
    EXPECT_EQ(readCInt("--5"), 0);
    EXPECT_EQ(readCInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(readCInt("99999999999999999999999"), INT32_MAX);
    EXPECT_EQ(readCInt("-99999999999"), INT32_MIN);

    EXPECT_EQ(readCReal(" \t+.5"), 0.5);
    EXPECT_EQ(readCReal("-7.5e2xyz"), -750.0);
    EXPECT_EQ(readCReal("+-1"), 0.0);
    EXPECT_EQ(readCReal("x1"), 0.0);
    EXPECT_EQ(readCReal("-1e999"), -INFINITY);
    EXPECT_EQ(readCReal("1e-999"), 0.0);
}

TEST(CNumbers, TakingANumberLeavesWhatFollowsAndNoNumberLeavesTheText) {
    std::string_view text = " 12,-3.5e1 ,x";
    EXPECT_EQ(takeCInt(text), 12);
    EXPECT_EQ(text, ",-3.5e1 ,x");
    text.remove_prefix(1);
    EXPECT_EQ(takeCReal(text), -35.0);
    EXPECT_EQ(text, " ,x");
    text.remove_prefix(2);
    EXPECT_FALSE(takeCInt(text));
    EXPECT_FALSE(takeCReal(text));
    EXPECT_EQ(text, "x");
}

// Plain decimals take a shortcut past the general conversion: it must give
// strtod's value and stop where strtod stops, for every length and for the
// forms at its edges.
TEST(CNumbers, DecimalsReadAsStrtodReadsThem) {
    std::vector<std::string> texts = {"5.",          ".5",   "5.e3", "007.250", "1e5",  "-0.0",   " +12.5abc",
                                      "0.000000000000001", "123456789012345", "1234567890123456", "12345678.123456789",
                                      "9007199254740993", "1.5E2", "3.x"};
    std::uint64_t state = 12345;
    const auto next = [&state] { return state = state * 6364136223846793005ULL + 1442695040888963407ULL; };
    for (int i = 0; i < 100000; ++i) {
        char text[64];
        const auto whole = static_cast<unsigned long long>(next() >> (next() % 64));
        const int decimals = static_cast<int>(next() % 12);
        const auto fraction = static_cast<unsigned long long>(next() % 1000000000000ULL);
        std::snprintf(text, sizeof text, "%s%llu.%0*llu", next() % 2 ? "-" : "", whole, decimals,
                      fraction % static_cast<unsigned long long>(std::pow(10, decimals)));
        texts.emplace_back(decimals ? text : std::to_string(whole));
    }
    for (const std::string& text : texts) {
        char* end = nullptr;
        const double expected = std::strtod(text.c_str(), &end);
        std::string_view rest = text;
        const auto taken = takeCReal(rest);
        ASSERT_TRUE(taken) << text;
        EXPECT_EQ(std::signbit(*taken), std::signbit(expected)) << text;
        EXPECT_EQ(*taken, expected) << text;
        EXPECT_EQ(rest, std::string_view(end)) << text;
    }
}

// Every value, at every precision the writers use and beyond, comes out as
// printf writes it: near ties, signs of zero, the large and the not finite.
TEST(CNumbers, FixedNotationIsPrintfs) {
    std::vector<double> values = {0.0,     -0.0,        0.5,        1.5,        2.5,         0.00005,   0.00015,
                                  2.5e-5,  -2.5e-5,     -0.00001,   123.45675,  99999.99995, 0.125,     0.0625,
                                  1e15,    0x1p51,      0x1p52 + 1, 4503599627.37049, 1e300, 5e-324,  INFINITY,
                                  -INFINITY, std::nan(""), 300123.4567, 6200000.1234, 1.0 / 3, -2.0 / 3};
    std::uint64_t state = 99;
    for (int i = 0; i < 20000; ++i) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const double magnitude = std::pow(10.0, static_cast<double>(state >> 59) - 12);
        // Values a few ulps from a tie at some precision, and random ones.
        const double near = std::nextafter(static_cast<double>(state >> 40) / 2e4 + 0.00005, i % 2 ? 1e300 : -1e300);
        values.push_back(i % 3 == 0 ? near : magnitude * (static_cast<double>(state >> 11 & 0xFFFFF) / 65536.0 - 8.0));
    }
    for (const double value : values) {
        for (int decimals = 0; decimals <= 9; ++decimals) {
            char expected[400];
            std::snprintf(expected, sizeof expected, "%12.*f", decimals, value);
            std::string got;
            appendFixed(got, value, 12, decimals);
            ASSERT_EQ(got, expected) << value << " to " << decimals;
        }
    }
}

TEST(Scan, ReadsTheSuitesScanfFormats) {
    Scan scan("  7 , 0.35 ,0xFF00aa tail");
    std::int32_t pen = 0;
    double width = 0;
    std::uint32_t colour = 0;
    ASSERT_TRUE(scan.integer(pen) && scan.literal(',') && scan.real(width) && scan.literal(',') && scan.hex(colour));
    EXPECT_EQ(pen, 7);
    EXPECT_EQ(width, 0.35);
    EXPECT_EQ(colour, 0xFF00AAu);
    EXPECT_EQ(scan.rest(), " tail");
    EXPECT_FALSE(scan.literal(','));

    Scan negative("-1 ,-ff ,123456789");
    EXPECT_TRUE(negative.integer(pen) && negative.literal(',') && negative.hex(colour) && negative.literal(','));
    EXPECT_EQ(pen, -1);
    EXPECT_EQ(colour, 0u - 0xFFu);  // strtoul negates in unsigned arithmetic
    EXPECT_TRUE(negative.hex(colour));
    EXPECT_EQ(colour, 0xFFFFFFFFu);  // and saturates first
}

TEST(TextRules, LettersAreAsciiAndEachTrimKeepsItsOwnRule) {
    std::string text = "Road-ä 12";
    upperInPlace(text);
    EXPECT_EQ(text, "ROAD-ä 12");
    EXPECT_EQ(lowerCased("KERB\xC4"), "kerb\xC4");  // the byte 0xC4 is no letter here
    EXPECT_TRUE(isCSpace('\v') && isCSpace('\r') && !isCSpace('\0') && !isCSpace('\xA0'));

    // A fixed-column name loses leading spaces and trailing control characters...
    EXPECT_EQ(trimField("  ROAD \t\r"), "ROAD");
    EXPECT_EQ(trimField("\tROAD"), "\tROAD");
    // ...a code only its trailing spaces.
    EXPECT_EQ(trimTrailingSpaces("  RD\t  "), "  RD\t");
    EXPECT_EQ(trimTrailingSpaces("    "), "");

    EXPECT_EQ(fontStem("RomanS.SHX"), "romans");
    EXPECT_EQ(fontStem("txt"), "txt");
}
