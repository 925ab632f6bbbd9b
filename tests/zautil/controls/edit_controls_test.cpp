// The job name, run and number edits: what typing through their input
// rules gives, also when a dialog sets their text or a line types it.
#include "controls/cza_file_name.h"
#include "controls/edit_za_run_number.h"
#include "controls/number_box.h"
#include "controls/short_name_rule.h"

#include <platform/dialogs.h>
#include <platform/protocol_driver.h>
#include <platform/services.h>

#include <gtest/gtest.h>

#include <deque>

namespace {

using namespace zplat;

class EditControls : public ::testing::Test {
protected:
    void SetUp() override {
        zaSetShortNameRuleSource([this] { return shortNames; });
        previousSink_ = setSoundSink([this](std::string_view s) { sounds.emplace_back(s); });
        jobName.setLimit(8);
        box.add<Button>(IDOK, "OK");
    }
    void TearDown() override {
        zaSetShortNameRuleSource({});
        setSoundSink(previousSink_);
    }
    void type(Edit& e, std::string_view keys) { user::typeKeys(e, keys); }

    bool shortNames = true;
    std::vector<std::string> sounds;
    Dialog box{"Job"};
    CzaFileName& jobName = box.add<CzaFileName>(1076, "Job Name");
    CEditZaRunNumber& run = box.add<CEditZaRunNumber>(1077, "Run");
    CNumberBox& number = box.add<CNumberBox>(1141, "Interval On Straight");

private:
    SoundSink previousSink_;
};

TEST_F(EditControls, ShortNameRuleTurnsBlanksIntoUnderscoresAndStopsAtEight) {
    type(jobName, "ab cd");
    EXPECT_EQ(jobName.text(), "ab_cd");
    type(jobName, "efgX");
    EXPECT_EQ(jobName.text(), "ab_cdefg");
    EXPECT_EQ(jobName.count(), 8u);
    EXPECT_TRUE(sounds.empty());  // dropped silently
}

TEST_F(EditControls, SeparatorsAndPunctuationAreDroppedButDashAndUnderscoreKept) {
    type(jobName, "a.b");
    EXPECT_EQ(jobName.text(), "ab");
    type(jobName, "\\/:*?\"<>|-_");
    EXPECT_EQ(jobName.text(), "ab-_");
}

TEST_F(EditControls, TypingOverASelectionAtTheLimitReplacesIt) {
    type(jobName, "abcdefgh");
    jobName.setSelection(2, 4);
    type(jobName, "X");
    EXPECT_EQ(jobName.text(), "abXefgh");
    type(jobName, "Y");
    EXPECT_EQ(jobName.text(), "abXYefgh");
}

TEST_F(EditControls, BackspaceAtTheStartDoesNotOpenRoomPastTheLimit) {
    type(jobName, "abcdefgh");
    jobName.setSelection(0, 0);
    type(jobName, "\b\b\b");
    EXPECT_EQ(jobName.text(), "abcdefgh");
    jobName.setSelection(8, 8);
    type(jobName, "i");
    EXPECT_EQ(jobName.text(), "abcdefgh");
    type(jobName, "\bz");
    EXPECT_EQ(jobName.text(), "abcdefgz");
}

TEST_F(EditControls, WithoutTheRuleBlanksStayAndSixteenIsTheMost) {
    shortNames = false;
    jobName.setLimit(zaJobNameLimit());
    EXPECT_EQ(jobName.limit(), 16u);
    type(jobName, "my job 2 of many more");
    EXPECT_EQ(jobName.text(), "my job 2 of many");
    EXPECT_EQ(zaJobNameStatusText(), "Enter a valid filename for the current job (up to 16 characters)");
    shortNames = true;
    EXPECT_EQ(zaJobNameStatusText(),
              "Enter a valid filename for the current job (8 characters, no spaces or punctuation, '_' is Ok)");
}

TEST_F(EditControls, TextSetWholeIsCutAndItsBlanksReplaced) {
    jobName.setText("long job name");
    EXPECT_EQ(jobName.text(), "long_job");
    EXPECT_EQ(jobName.count(), 8u);
    shortNames = false;
    jobName.setLimit(16);
    jobName.setText("my job");  // blanks typed without the rule are kept when set, too
    EXPECT_EQ(jobName.text(), "my job");
}

TEST_F(EditControls, RunEditHoldsTheLastLetterOrDigitTyped) {
    run.setText("A");
    type(run, "7");
    EXPECT_EQ(run.text(), "7");
    type(run, "b");
    EXPECT_EQ(run.text(), "b");
    type(run, ".\b -");
    EXPECT_EQ(run.text(), "b");
    run.setText("xyz");
    EXPECT_EQ(run.text(), "x");
}

TEST_F(EditControls, NumberSignOnlyFirstAndOnlyOnce) {
    type(number, "5-");
    EXPECT_EQ(number.text(), "5");
    EXPECT_EQ(sounds, (std::vector<std::string>{"Exclamation"}));
    number.setSelection(0, 0);
    type(number, "-");
    EXPECT_EQ(number.text(), "-5");
    number.setSelection(0, 0);
    type(number, "+");
    EXPECT_EQ(number.text(), "-5");
    EXPECT_EQ(sounds.size(), 2u);
}

TEST_F(EditControls, NumberOnePointAndBackspaceGivesItBack) {
    type(number, "12.5");
    EXPECT_EQ(number.text(), "12.5");
    type(number, ".");
    EXPECT_EQ(number.text(), "12.5");
    EXPECT_EQ(sounds.size(), 1u);
    number.setSelection(4, 4);
    type(number, "\b\b");
    EXPECT_EQ(number.text(), "12");
    type(number, ".75");
    EXPECT_EQ(number.text(), "12.75");
    type(number, "x");
    EXPECT_EQ(sounds.size(), 2u);
}

TEST_F(EditControls, NumberTextSetByTheDialogCountsItsPoint) {
    number.setText("20.5");
    type(number, ".");
    EXPECT_EQ(number.text(), "20.5");
    // Typing over all of it may bring a point of its own.
    user::type(number, "3.5");
    EXPECT_EQ(number.text(), "3.5");
}

TEST_F(EditControls, NumberOwnerForbidsSignAndPoint) {
    number.setNoSign(true);
    number.setNoDecimalPoint(true);
    user::type(number, "-4.2");
    EXPECT_EQ(number.text(), "42");
    EXPECT_EQ(sounds.size(), 2u);
}

TEST_F(EditControls, NumberTakesNoMoreThanThirtyOneCharacters) {
    type(number, std::string(40, '9'));
    EXPECT_EQ(number.text().size(), CNumberBox::kMaxChars);
    number.setText(std::string(40, '1'));
    EXPECT_EQ(number.text().size(), CNumberBox::kMaxChars);
}

class Console : public LineConsole {
public:
    explicit Console(std::vector<std::string> lines) : lines_(lines.begin(), lines.end()) {}
    std::optional<std::string> readLine(std::string_view) override {
        if (lines_.empty()) return std::nullopt;
        std::string l = lines_.front();
        lines_.pop_front();
        return l;
    }
    bool interactive() const override { return false; }
    void write(std::string_view) override {}

private:
    std::deque<std::string> lines_;
};

TEST_F(EditControls, ProtocolLinesTypeThroughTheRules) {
    Console console({"job name=ab cd/ef", "run=q", "1141=-2..5", ""});
    ProtocolDriver driver(console);
    ScopedDialogDriver scoped(driver);
    jobName.setText("oldjob");
    run.setText("1");
    number.setText("20");
    EXPECT_EQ(box.doModal(), IDOK);
    EXPECT_EQ(jobName.text(), "ab_cdef");
    EXPECT_EQ(run.text(), "q");
    EXPECT_EQ(number.text(), "-2.5");
}

}  // namespace
