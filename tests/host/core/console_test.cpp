// Text at the console's edges, what a script line that goes wrong does to
// the session, and what the drawing knows of its unsaved changes.
#include "host_fixture.h"
#include "zcad/session.h"
#include "zcad/text_edges.h"

namespace {

TEST(TextEdges, UtfEightOutsideWindows1252InsideAndNothingDropped) {
    EXPECT_EQ(zcad::hostTextOfInput("plané € ’").text, "plan\xE9 \x80 \x92");
    EXPECT_EQ(zcad::hostTextOfInput("plan\xE9.dxf").text, "plan\xE9.dxf") << "not UTF-8: Windows-1252 as it stands";
    const zcad::InputLine refused = zcad::hostTextOfInput("SAVEAS 文.dxf");
    EXPECT_EQ(refused.refused, U'\u6587');
    EXPECT_EQ(zcad::describeCharacter(refused.refused), "U+6587");
    EXPECT_EQ(zcad::fileSystemName("relev\xE9 d'\xE9t\xE9 \xFC/\x80.ur1"), "relevé d'été ü/€.ur1");
    EXPECT_EQ(zcad::hostTextOfUtf8("relevé ü"), "relev\xE9 \xFC");
    EXPECT_EQ(zcad::hostTextOfUtf8("文/plan"), "文/plan") << "a name 1252 cannot hold is kept as it is";
}

// A line typed by a person: its mistakes count against no script.
class TypedLines : public zcad::InputSource {
public:
    explicit TypedLines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    std::optional<std::string> readLine(std::string_view) override {
        if (next_ == lines_.size()) return std::nullopt;
        return lines_[next_++];
    }
    bool interactive() const override { return true; }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

class ScriptRules : public HostTest {
protected:
    char word[16] = {};
    int askYesNo() {
        acedInitGet(0, "Yes No");
        return acedGetKword("Sure? ", word, sizeof word);
    }
};

TEST_F(ScriptRules, ARefusedAnswerStopsAStrictScriptWithoutEatingTheNextLine) {
    zcad::setScriptRules({.stopAtFirstFailure = true});
    answer({"Quarterly Division", "Yes"});
    EXPECT_EQ(askYesNo(), RTCAN);
    EXPECT_TRUE(zcad::scriptStopped());
    EXPECT_FALSE(zcad::readAnswer("Next: ")) << "\"Yes\" belonged to the next prompt";
    const auto& failure = *zcad::firstScriptFailure();
    EXPECT_EQ(failure.fault, zcad::ScriptFault::Refused);
    EXPECT_EQ(failure.source, "input");
    EXPECT_EQ(failure.line, 1);
    EXPECT_EQ(failure.text, "Quarterly Division");
    EXPECT_EQ(failure.what, "Invalid option keyword.");
}

TEST_F(ScriptRules, FailuresShownAndLinesTypedAtATerminal) {
    answer({"TRIN"});
    ASSERT_TRUE(zcad::readCommandLine());
    acedAlert("Cannot read the TR file");
    EXPECT_EQ(zcad::firstScriptFailure()->fault, zcad::ScriptFault::Failed);
    EXPECT_EQ(zcad::firstScriptFailure()->what, "Cannot read the TR file");

    zcad::test::resetHost();
    zcad::clearInput();
    zcad::addInput(std::make_unique<TypedLines>(std::vector<std::string>{"FROB", "maybe", "No"}));
    zcad::setScriptRules({.stopAtFirstFailure = true});
    ASSERT_TRUE(zcad::readCommandLine());
    EXPECT_EQ(askYesNo(), RTNORM) << "a person is asked again";
    EXPECT_FALSE(zcad::firstScriptFailure());
}

// What a user would lose is known exactly: every edit, through entities,
// tables, header and view, and nothing that only looks.
TEST_F(HostTest, TheDrawingKnowsItsUnsavedChanges) {
    EXPECT_FALSE(db().hasUnsavedChanges()) << "a new drawing";
    zcad::test::runCommands({"ZOOM", "e", "-layer", "", "HELP"});
    EXPECT_FALSE(db().hasUnsavedChanges()) << "nothing drawn, nothing changed";
    const std::string dir = ::testing::TempDir();
    const std::string out = zcad::test::runCommands({"PDMODE", "3", "SAVEAS " + dir + "/changes"});
    EXPECT_NE(out.find("Saved " + dir + "/changes.dxf"), std::string::npos) << out;
    EXPECT_FALSE(db().hasUnsavedChanges());
    EXPECT_EQ(zcad::saveTarget().name, dir + "/changes.dxf");
    for (const auto& edit : std::vector<std::vector<std::string>>{{"-layer", "C", "1", "0", ""}, {"-layer", "N", "walls", ""}}) {
        zcad::test::runCommands({"OPEN " + dir + "/changes.dxf"});
        EXPECT_FALSE(db().hasUnsavedChanges());
        zcad::test::runCommands(edit);
        EXPECT_TRUE(db().hasUnsavedChanges()) << edit[1];
    }
    ASSERT_EQ(makeLine(0, 0, 1, 1), RTNORM);
    zcad::test::runCommands({"QSAVE"});
    EXPECT_FALSE(db().hasUnsavedChanges());
    ads_name line;
    acdbEntLast(line);
    acdbEntDel(line);
    EXPECT_TRUE(db().hasUnsavedChanges());
}

}  // namespace
