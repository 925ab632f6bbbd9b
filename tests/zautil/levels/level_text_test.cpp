#include <gtest/gtest.h>

#include <string>

#include "levels/level_flags.h"
#include "levels/level_text.h"

namespace {

TEST(LevelText, ALevelStartsWithADigitAndEndsWhereTheNumberDoes) {
    EXPECT_EQ(zaLevelOfText("  102.35"), 102.35);
    EXPECT_EQ(zaLevelOfText("\t102.35m"), 102.35);
    EXPECT_EQ(zaLevelOfText("12,5"), 12.0);
    EXPECT_EQ(zaLevelOfText("1.5e2 AHD"), 150.0);
    EXPECT_EQ(zaLevelOfText("0x10"), 0.0);  // never hexadecimal
    EXPECT_EQ(zaLevelOfText("7."), 7.0);
    for (const char* none : {"-1.20", "+1", ".5", "RL 10.2", "", "   ", "1e999"}) {
        EXPECT_FALSE(zaLevelOfText(none)) << '"' << none << '"';
    }
}

TEST(LevelText, ExactlyTheDecimalsAskedAndNoNegativeZero) {
    std::string text;
    const auto format = [&](double level, int precision) {
        zaFormatLevel(level, precision, text);
        return text;
    };
    EXPECT_EQ(format(12.4, 0), "12");
    EXPECT_EQ(format(12.4, 3), "12.400");
    EXPECT_EQ(format(-3.25, 1), "-3.2");  // to even, as printf rounds the double
    EXPECT_EQ(format(-0.0004, 3), "0.000");
    EXPECT_EQ(format(2.5, -1), "2");
    // What is written reads back as the level to that precision.
    EXPECT_EQ(zaLevelOfText(format(98.7654, 2)), 98.77);
}

TEST(LevelFlags, ThePreferenceLivesInTwoBitsAndLeavesTheRest) {
    EXPECT_EQ(zaLayerPreference(0x000), ZaLayerPreference::Prompt);
    EXPECT_EQ(zaLayerPreference(0x020), ZaLayerPreference::Prompt);
    EXPECT_EQ(zaLayerPreference(0x040), ZaLayerPreference::Current);
    EXPECT_EQ(zaLayerPreference(0x060), ZaLayerPreference::Defined);
    EXPECT_EQ(zaWithLayerPreference(0x1ff, ZaLayerPreference::Prompt), 0x19f);
    EXPECT_EQ(zaWithLayerPreference(0x1ff, ZaLayerPreference::Current), 0x1df);
    EXPECT_EQ(zaWithLayerPreference(0x100, ZaLayerPreference::Defined), 0x160);
}

}  // namespace
