// The export dialog as a user works it: what it opens with, the file names
// it builds as the job fields change, Browse, the intervals it disables or
// refuses, and what Ok and Cancel leave.
#include "alignment/prompt_halout_dlg.h"

#include <platform/user_input.h>

#include <gmock/gmock.h>

#include "../layers/zarvo_fixture.h"
#include "settings/current_job.h"
#include "controls/short_name_rule.h"

namespace {

using namespace zplat;
using Dlg = ZPromptHALOUTDlg;

class HaloutDialog : public ZarvoTest {
protected:
    void SetUp() override {
        ZarvoTest::SetUp();
        settings_.halStraightInterval = 0.5;  // raised when shown
        settings_.halCurveInterval = 12.5;
        zaSetShortNameRuleSource([] { return true; });
    }
    void TearDown() override {
        zaSetShortNameRuleSource({});
        ZarvoTest::TearDown();
    }
    int run(TestDriver::Script script) {
        driver().onNextDialog(std::move(script));
        Dlg dialog(settings_);
        const int result = dialog.doModal();
        path_ = dialog.halPath();
        return result;
    }
    static Edit& edit(Dialog& d, int id) { return *d.itemAs<Edit>(id); }

    ZaSettings settings_;
    std::string path_;
};

TEST_F(HaloutDialog, OpensOnTheCurrentJobAndBuildsTheFileNamesAsTheFieldsChange) {
    ASSERT_TRUE(zaSetCurrentJob(dir_ + "road0001.utA"));
    run([this](Dialog& d) {
        EXPECT_EQ(d.title(), "AutoCAD to Zarvo: Export Horizontal Alignment");
        EXPECT_EQ(d.itemText(Dlg::kDirectory) + "/", dir_);
        EXPECT_EQ(d.itemText(Dlg::kJobName), "road0001");
        EXPECT_EQ(d.itemText(Dlg::kRun), "A");
        EXPECT_EQ(d.itemText(Dlg::kHalFile), dir_ + "road0001.h1A");
        EXPECT_EQ(d.itemText(Dlg::kRvFile), dir_ + "road0001.rvA");
        EXPECT_EQ(d.itemText(Dlg::kStraight), "1");
        EXPECT_EQ(d.itemText(Dlg::kCurve), "12.5");
        EXPECT_TRUE(d.itemEnabled(Dlg::kStraight));
        EXPECT_EQ(d.statusText(), "Export Zarvo horizontal and vertical alignment files");

        user::type(edit(d, Dlg::kJobName), "main road9");
        EXPECT_EQ(d.itemText(Dlg::kJobName), "main_roa") << "the short-name rule";
        user::type(edit(d, Dlg::kRun), "7");
        EXPECT_EQ(d.itemText(Dlg::kHalFile), dir_ + "main_roa.h17");
        EXPECT_EQ(d.statusText(), "Enter a valid run number for the current job (1 alphanumeric character)");
        user::type(edit(d, Dlg::kDirectory), "/jobs/");
        EXPECT_EQ(d.itemText(Dlg::kRvFile), "/jobs/main_roa.rv7");
        user::click(*d.item(IDOK));
    });
    EXPECT_EQ(path_, "/jobs/main_roa.h17");
    EXPECT_EQ(settings_.halStraightInterval, 1);
    EXPECT_EQ(settings_.halCurveInterval, 12.5);
}

TEST_F(HaloutDialog, WithoutACurrentJobTheFieldsStayEmptyAndOkWantsAName) {
    ::unsetenv("ZARV$PROG");
    settings_.halUseDefaults = true;
    run([](Dialog& d) {
        EXPECT_EQ(d.itemText(Dlg::kJobName), "");
        EXPECT_EQ(d.itemText(Dlg::kDirectory), "");
        for (const int id : {Dlg::kIntervals, Dlg::kStraight, Dlg::kCurve}) EXPECT_FALSE(d.itemEnabled(id));
        user::type(edit(d, Dlg::kDirectory), "/jobs");
        user::click(*d.item(IDOK));
        EXPECT_TRUE(d.running());
        EXPECT_EQ(d.focused()->id(), Dlg::kJobName);
        EXPECT_EQ(d.itemText(Dlg::kHalFile), "/jobs/.h1");
        user::type(edit(d, Dlg::kJobName), "road0003");
        user::type(edit(d, Dlg::kRun), "b");
        user::click(*d.item(IDOK));
    });
    EXPECT_EQ(driver().boxes().at(0).box.text, "Enter the working directory, job name and run of the alignment files.");
    EXPECT_EQ(path_, "/jobs/road0003.h1b");
}

TEST_F(HaloutDialog, IntervalsOutOfRangeAreRefusedAndCancelKeepsTheSettings) {
    const int result = run([](Dialog& d) {
        user::type(edit(d, Dlg::kJobName), "road0001");
        user::type(edit(d, Dlg::kRun), "1");
        user::type(edit(d, Dlg::kStraight), "0.5");
        user::click(*d.item(IDOK));
        EXPECT_TRUE(d.running());
        EXPECT_EQ(d.focused()->id(), Dlg::kStraight);
        user::type(edit(d, Dlg::kStraight), "1001");
        user::click(*d.item(IDOK));
        EXPECT_TRUE(d.running());
        user::click(*d.item(IDCANCEL));
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(driver().boxes().at(0).box.text, "Please enter a number between 1 and 1000.");
    EXPECT_EQ(driver().boxes().size(), 2u);
    EXPECT_EQ(settings_.halStraightInterval, 0.5);
}

TEST_F(HaloutDialog, BrowseTakesAnAlignmentFileOfARunAndRefusesOthers) {
    driver().answerNextFile(dir_ + "road0001.txt");
    driver().answerNextFile("/jobs/levels05.RV3");
    run([](Dialog& d) {
        user::click(*d.item(Dlg::kBrowse));
        EXPECT_EQ(d.itemText(Dlg::kJobName), "unknownf") << "refused: the job as it was";
        user::click(*d.item(Dlg::kBrowse));
        EXPECT_EQ(d.itemText(Dlg::kDirectory), "/jobs");
        EXPECT_EQ(d.itemText(Dlg::kJobName), "levels05");
        EXPECT_EQ(d.itemText(Dlg::kHalFile), "/jobs/levels05.h13");
    });
    EXPECT_EQ(driver().fileRequests().at(0).filter,
              "Horizontal Alignment Files (*.h1?)|*.h1?|Vertical Alignment Files (*.rv?)|*.rv?||");
    EXPECT_EQ(driver().boxes().at(0).box.text,
              "The filename specified has an invalid extension\nMust be of the format <jobname>.<h1 OR rv><run "
              "number>\n\nWhere <run number> is a single alphanumeric character.");
    EXPECT_FALSE(zaIsAlignmentExtension("h1_"));
}

}  // namespace
