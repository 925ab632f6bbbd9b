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

// Keys typed into the job name after `typed`, at the caret `from`-`to`
// (-1: where typing left it).
struct JobNameCase {
    bool rule;
    const char* typed;
    int from, to;
    const char* keys;
    const char* expected;
};
constexpr JobNameCase kJobNameCases[] = {
    {true, "", -1, -1, "ab cd", "ab_cd"},
    {true, "ab cd", -1, -1, "efgX", "ab_cdefg"},  // the eighth is the last
    {true, "", -1, -1, "a.b\\/:*?\"<>|-_", "ab-_"},
    {true, "abcdefgh", 2, 4, "X", "abXefgh"},  // a selection at the limit is replaced
    {true, "abcdefgh", 2, 4, "XY", "abXYefgh"},
    {true, "abcdefgh", 0, 0, "\b\b\b", "abcdefgh"},  // no room opened past the limit
    {true, "abcdefgh", 8, 8, "i\bz", "abcdefgz"},
    {false, "", -1, -1, "my job 2 of many more", "my job 2 of many"},
};

TEST_F(EditControls, JobNameTypingKeepsTheRuleAndTheLimitSilently) {
    for (const JobNameCase& c : kJobNameCases) {
        SCOPED_TRACE(c.keys);
        shortNames = c.rule;
        sounds.clear();
        jobName.setText("");
        jobName.setLimit(zaJobNameLimit());
        type(jobName, c.typed);
        if (c.from >= 0) jobName.setSelection(c.from, c.to);
        type(jobName, c.keys);
        EXPECT_EQ(jobName.text(), c.expected);
        EXPECT_TRUE(!c.rule || sounds.empty()) << "the rule refuses silently";
    }
    EXPECT_EQ(zaJobNameStatusText(), "Enter a valid filename for the current job (up to 16 characters)");
    shortNames = true;
    EXPECT_EQ(zaJobNameStatusText(),
              "Enter a valid filename for the current job (8 characters, no spaces or punctuation, '_' is Ok)");
}

TEST_F(EditControls, TextSetWholeIsCutAndItsBlanksReplaced) {
    jobName.setText("long job name");
    EXPECT_EQ(jobName.text(), "long_job");
    shortNames = false;
    jobName.setLimit(16);
    jobName.setText("my job");  // blanks typed without the rule are kept when set, too
    EXPECT_EQ(jobName.text(), "my job");
}

TEST_F(EditControls, RunEditHoldsTheLastLetterOrDigitTyped) {
    run.setText("A");
    type(run, "7");
    EXPECT_EQ(run.text(), "7");
    type(run, "b.\b -");
    EXPECT_EQ(run.text(), "b");
    run.setText("xyz");
    EXPECT_EQ(run.text(), "x");
}

// Keys typed into the number after `typed`, with the caret at `caret`
// (-1: where typing left it); each refused key sounds.
struct NumberCase {
    const char* typed;
    int caret;
    const char* keys;
    const char* expected;
    std::size_t sounds;
};
constexpr NumberCase kNumberCases[] = {
    {"5", -1, "-", "5", 1},  // a sign only first
    {"5", 0, "-", "-5", 0},
    {"-5", 0, "+", "-5", 1},  // and only once
    {"12.5", -1, ".", "12.5", 1},  // one point
    {"12.5", 4, "\b\b.75", "12.75", 0},  // a point rubbed out may come back
    {"1", -1, "x", "1", 1},
};

TEST_F(EditControls, NumberTakesOneSignFirstAndOnePoint) {
    for (const NumberCase& c : kNumberCases) {
        SCOPED_TRACE(std::string(c.typed) + " then " + c.keys);
        number.setText("");
        type(number, c.typed);
        sounds.clear();
        if (c.caret >= 0) number.setSelection(c.caret, c.caret);
        type(number, c.keys);
        EXPECT_EQ(number.text(), c.expected);
        EXPECT_EQ(sounds, std::vector<std::string>(c.sounds, "Exclamation"));
    }
}

TEST_F(EditControls, NumberTextSetByTheDialogCountsItsPoint) {
    number.setText("20.5");
    type(number, ".");
    EXPECT_EQ(number.text(), "20.5");
    // Typing over all of it may bring a point of its own.
    user::type(number, "3.5");
    EXPECT_EQ(number.text(), "3.5");
}

TEST_F(EditControls, NumberOwnerForbidsSignAndPointAndThirtyOneCharactersAreTheMost) {
    number.setNoSign(true);
    number.setNoDecimalPoint(true);
    user::type(number, "-4.2");
    EXPECT_EQ(number.text(), "42");
    EXPECT_EQ(sounds.size(), 2u);
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
