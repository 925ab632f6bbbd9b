#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

#include "levels/level_text.h"

namespace {

// LEV2PT's test takes the usual texts through the command; these are the edges.
TEST(LevelText, ALevelStartsWithADigitAndEndsWhereTheNumberDoes) {
    EXPECT_EQ(zaLevelOfText("\t102.35m"), 102.35);
    EXPECT_EQ(zaLevelOfText("1.5e2 AHD"), 150.0);
    EXPECT_EQ(zaLevelOfText("0x10"), 0.0);  // never hexadecimal
    EXPECT_EQ(zaLevelOfText("7."), 7.0);
    for (const char* none : {"   ", "1e999"}) {
        EXPECT_FALSE(zaLevelOfText(none)) << '"' << none << '"';
    }
}

TEST(LevelText, ExactlyTheDecimalsAskedAndNoNegativeZero) {
    std::string text;
    const auto format = [&](double level, int precision) {
        zaFormatLevel(level, precision, text);
        return text;
    };
    EXPECT_EQ(format(-3.25, 1), "-3.2");  // to even, as printf rounds the double
    EXPECT_EQ(format(-0.0004, 3), "0.000");
    EXPECT_EQ(format(2.5, -1), "2");
}

// The line written per entity reads as the printf format it stands for.
TEST(LevelText, TheLinePerEntityReadsAsItsPrintfFormat) {
    constexpr ZaMadeLineForm kNarrow{"  point at [", ", ", "] level = ", " layer  \"", 7};
    constexpr ZaMadeLineForm kWide{" at [", "  ", "] level ", " layer \"", 8};
    const double big = std::numeric_limits<double>::max();
    const ZaPoint points[] = {{0, 0, -0.0}, {500000.0005, -7000000.25, 1e-9}, {-1.5, 12345678.9, -0.0004}, {big, 1, 2}};
    std::string line;
    char expected[1024];
    for (const ZaPoint& p : points) {
        zaFormatMadeLine(kNarrow, 42, p, "SPOT LEVELS", line);
        std::snprintf(expected, sizeof expected, "Create %d  point at [%7.3f, %7.3f] level = %7.3f layer  \"%s\" \n", 42,
                      p.x, p.y, p.z, "SPOT LEVELS");
        EXPECT_EQ(line, expected);
        zaFormatMadeLine(kWide, -3, p, "", line);
        std::snprintf(expected, sizeof expected, "Create %d at [%8.3f  %8.3f] level %8.3f layer \"%s\" \n", -3, p.x, p.y,
                      p.z, "");
        EXPECT_EQ(line, expected);
    }
}

}  // namespace
