#include <gtest/gtest.h>

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

}  // namespace
