#include "host_fixture.h"

namespace {

using Prompts = HostTest;

TEST_F(Prompts, KeywordsByWholeWordUniquePrefixOrCapitals) {
    char word[32];
    answer({"s", "MIN", "a", "x", "", "m"});
    acedInitGet(0, "Add Set Minus");
    EXPECT_EQ(acedGetKword("Mode: ", word), RTNORM);
    EXPECT_STREQ(word, "Set");
    acedInitGet(0, "Add Set Minus");
    EXPECT_EQ(acedGetKword("Mode: ", word), RTNORM);
    EXPECT_STREQ(word, "Minus");
    acedInitGet(0, "Add Set Minus");
    EXPECT_EQ(acedGetKword("Mode: ", word), RTNORM);
    EXPECT_STREQ(word, "Add");
    acedInitGet(0, "Add Set Minus eXit");
    EXPECT_EQ(acedGetKword("Mode: ", word), RTNORM) << "x is eXit's shortcut";
    EXPECT_STREQ(word, "eXit");
    acedInitGet(0, "Add Set Minus");
    EXPECT_EQ(acedGetKword("Mode: ", word), RTNONE) << "empty answer";
    acedInitGet(0, "mark move");
    EXPECT_EQ(acedGetKword("Which: ", word), RTCAN) << "an ambiguous prefix re-prompts, then input ends";
    EXPECT_NE(output_.find("Invalid option keyword."), std::string::npos);
}

TEST_F(Prompts, RealsRepromptOnJunkAndHonourControlBits) {
    double value = -1;
    answer({"abc", "0", "-2", " 12.5 ", "", "*Cancel*"});
    acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
    EXPECT_EQ(acedGetReal("Height: ", &value), RTNORM);
    EXPECT_EQ(value, 12.5);
    EXPECT_NE(output_.find("Requires numeric value."), std::string::npos);
    EXPECT_NE(output_.find("Value must be nonzero."), std::string::npos);
    EXPECT_NE(output_.find("Value must be positive."), std::string::npos);
    EXPECT_EQ(acedGetReal("Height: ", &value), RTNONE) << "the control bits last one prompt";
    EXPECT_EQ(acedGetReal("Height: ", &value), RTCAN);
}

// A number is a finite decimal, as every other reader of numbers in the
// host takes it: "nan" or "inf" would end up in the drawing.
TEST_F(Prompts, RealsRefuseNanAndInfinity) {
    double value = -1;
    answer({"nan", "inf", "-Infinity", "1e999", "0x10", "+2.5e1"});
    EXPECT_EQ(acedGetReal("Height: ", &value), RTNORM);
    EXPECT_EQ(value, 25.0);
    std::size_t refusals = 0;
    for (auto at = output_.find("Requires numeric value."); at != std::string::npos;
         at = output_.find("Requires numeric value.", at + 1)) {
        ++refusals;
    }
    EXPECT_EQ(refusals, 5u) << output_;
}

TEST_F(Prompts, ScriptAnswersAreEchoedAndEndOfInputCancels) {
    char text[8];
    answer({"hello world"});
    EXPECT_EQ(acedGetString(1, "Name: ", text), RTINPUTTRUNCATED);
    EXPECT_STREQ(text, "hello w") << "never written past the buffer";
    EXPECT_EQ(acedGetString(1, "Name: ", text), RTCAN);
    EXPECT_EQ(output_, "Name: hello world\nName: *Cancel*\n");
}

TEST_F(Prompts, AlertDoesNotSpendAScriptLine) {
    answer({"next"});
    acedAlert("Careful");
    char text[16];
    EXPECT_EQ(acedGetString(0, "? ", text), RTNORM);
    EXPECT_STREQ(text, "next");
}

TEST_F(Prompts, UserBreakArmedByTest) {
    zcad::test::breakAfterPolls(3);
    EXPECT_EQ(acedUsrBrk(), 0);
    EXPECT_EQ(acedUsrBrk(), 0);
    EXPECT_NE(acedUsrBrk(), 0);
}

TEST_F(Prompts, PrintfFormatsShortAndLongTextAndPassesABareLineAsItIs) {
    const std::string long_(5000, 'x');
    EXPECT_EQ(acutPrintf("<%s> %d %.2f\n", long_.c_str(), 7, 1.005), 5010);
    EXPECT_EQ(acutPrintf("[%5.1f]", 2.25), 7);
    EXPECT_EQ(acutPrintf("%s", "50%% at %d\n"), 11);
    EXPECT_EQ(output_, "<" + long_ + "> 7 1.00\n[  2.2]50%% at %d\n");
}

}  // namespace
