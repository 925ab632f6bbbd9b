// The arc and circle options dialog and the coordinate system dialog, as a
// user works them: what they show, what they enable, what Yes, No, Ok and
// Cancel leave behind, and the help.
#include <platform/user_input.h>

#include <gmock/gmock.h>

#include "../layers/zarvo_fixture.h"
#include "dialogs/cur_out_dlg.h"
#include "dialogs/prompt_coordinate_dlg.h"
#include "controls/number_box.h"

namespace {

using namespace zplat;

ZaUROutOptions options(int type, double value, int lastChars = 8) {
    ZaUROutOptions o;
    o.breakup = {type, true, value};
    o.lastNumberText = lastChars;
    o.useText = false;  // carried through unchanged
    return o;
}

class ExportDialogs : public ZarvoTest {
protected:
    // Opens the options dialog on the record, lets the script work it, and
    // returns what the run answered.
    int run(ZaUROutOptions* record, TestDriver::Script script) {
        driver().onNextDialog(std::move(script));
        CUROutDlg dialog(record);
        return dialog.doModal();
    }
    static Control& at(Dialog& d, int id) { return *d.item(id); }
    static Edit& edit(Dialog& d, int id) { return *d.itemAs<Edit>(id); }
};

TEST_F(ExportDialogs, OpensWithTheRecordAndNBroughtIntoRange) {
    for (const auto& [given, shown] : {std::pair{0, "1"}, std::pair{20, "12"}, std::pair{5, "5"}}) {
        ZaUROutOptions record = options(kZaBreakupChord, 2.5, given);
        run(&record, [shown = shown](Dialog& d) {
            EXPECT_EQ(d.title(), "Z.AutoCAD to ZARVO String ");
            EXPECT_EQ(d.itemText(CUROutDlg::kLastNumber), shown);
            EXPECT_EQ(d.itemText(CUROutDlg::kValue), "2.5");
            EXPECT_EQ(d.itemText(CUROutDlg::kValueLabel), "Chord length");
            EXPECT_EQ(d.isChecked(CUROutDlg::kChord), BST_CHECKED);
            EXPECT_TRUE(d.itemEnabled(CUROutDlg::kRounding));
            EXPECT_EQ(d.statusText(), "Export a Zarvo XYZ File - Arc & Circle Options");
        });
    }
    // The value edit keeps its template state whatever the type.
    ZaUROutOptions none = options(kZaBreakupNone, 8);
    run(&none, [](Dialog& d) {
        EXPECT_EQ(d.itemText(CUROutDlg::kValueLabel), "None");
        EXPECT_TRUE(d.itemEnabled(CUROutDlg::kValue));
        EXPECT_FALSE(d.itemEnabled(CUROutDlg::kRounding));
    });
}

TEST_F(ExportDialogs, EachRuleSetsItsLabelItsEnablingAndItsInputRule) {
    ZaUROutOptions record = options(kZaBreakupChord, 2.5);
    run(&record, [](Dialog& d) {
        user::click(at(d, CUROutDlg::kQuarterly));
        EXPECT_EQ(d.itemText(CUROutDlg::kValue), "2");
        EXPECT_EQ(d.itemText(CUROutDlg::kValueLabel), "Num quarterly divisions");
        EXPECT_FALSE(d.itemEnabled(CUROutDlg::kRounding));
        user::type(edit(d, CUROutDlg::kValue), "3.5");
        EXPECT_EQ(d.itemText(CUROutDlg::kValue), "35");  // whole numbers only

        user::click(at(d, CUROutDlg::kFlatness));
        EXPECT_EQ(d.itemText(CUROutDlg::kValueLabel), "Flatness");
        user::type(edit(d, CUROutDlg::kValue), "0.25");
        EXPECT_EQ(d.itemText(CUROutDlg::kValue), "0.25");

        user::click(at(d, CUROutDlg::kNone));
        EXPECT_EQ(d.itemText(CUROutDlg::kValueLabel), "None");
        EXPECT_FALSE(d.itemEnabled(CUROutDlg::kValue));
        EXPECT_FALSE(d.itemEnabled(CUROutDlg::kRounding));

        user::click(at(d, CUROutDlg::kChord));
        EXPECT_TRUE(d.itemEnabled(CUROutDlg::kValue));
        EXPECT_TRUE(d.itemEnabled(CUROutDlg::kRounding));
        EXPECT_EQ(d.itemText(CUROutDlg::kValueLabel), "Chord length");
    });
}

TEST_F(ExportDialogs, HintsFollowTheFocusAndTheRule) {
    ZaUROutOptions record = options(kZaBreakupFlatness, 8);
    run(&record, [](Dialog& d) {
        user::focus(at(d, CUROutDlg::kValue));
        EXPECT_EQ(d.statusText(), "Enter the flatness of the arc");
        user::click(at(d, CUROutDlg::kChord));
        EXPECT_EQ(d.statusText(), "Break the curve up into a pline a number of lengths");
        user::focus(at(d, CUROutDlg::kValue));
        EXPECT_EQ(d.statusText(), "Enter the length for the chord sections");
        user::focus(at(d, CUROutDlg::kRounding));
        EXPECT_EQ(d.statusText(), "Maintain an even number of divisions");
        user::focus(at(d, CUROutDlg::kCreateNote));
        EXPECT_EQ(d.statusText(), "Export a Zarvo XYZ File - Arc & Circle Options");
    });
}

TEST_F(ExportDialogs, YesWritesTheRecordAndNoOrCancelLeavesIt) {
    ZaUROutOptions record = options(kZaBreakupFlatness, 8);
    const ZaUROutOptions before = record;
    const auto edits = [](int button) {
        return [button](Dialog& d) {
            user::click(at(d, CUROutDlg::kChord));
            user::type(edit(d, CUROutDlg::kValue), "1.5");
            user::click(at(d, CUROutDlg::kRounding));  // was on
            user::click(at(d, CUROutDlg::kCreateNote));
            user::type(edit(d, CUROutDlg::kLastNumber), "30");
            if (button == IDCANCEL) return user::cancel(d);  // a cancel is no answer
            user::click(at(d, button));
        };
    };
    for (const int button : {IDNO, IDCANCEL}) {
        EXPECT_EQ(run(&record, edits(button)), button);
        EXPECT_EQ(record, before);
    }
    EXPECT_EQ(run(&record, edits(IDOK)), IDOK);
    EXPECT_EQ(record.breakup, (ZaBreakupOptions{kZaBreakupChord, false, 1.5}));
    EXPECT_FALSE(record.createNote);
    EXPECT_EQ(record.lastNumberText, 12);
    EXPECT_FALSE(record.useText);

    // None with a value edit left empty still closes: the value means nothing.
    EXPECT_EQ(run(&record,
                  [](Dialog& d) {
                      user::type(edit(d, CUROutDlg::kValue), "");
                      user::click(at(d, CUROutDlg::kNone));
                      user::enter(d);
                  }),
              IDOK);
    EXPECT_EQ(record.breakup.type, kZaBreakupNone);
    EXPECT_EQ(record.breakup.value, 1.5);
}

TEST_F(ExportDialogs, AValueOutsideTheSettingsRangeIsRefused) {
    ZaUROutOptions record = options(kZaBreakupFlatness, 8);
    run(&record, [](Dialog& d) {
        user::type(edit(d, CUROutDlg::kValue), "40001");
        user::enter(d);
        EXPECT_TRUE(d.running());
        user::type(edit(d, CUROutDlg::kValue), "0");
        user::enter(d);
        EXPECT_TRUE(d.running());
    });
    ASSERT_EQ(driver().boxes().size(), 2u);
    EXPECT_EQ(driver().boxes()[0].box.text, "Please enter a number between 1e-05 and 40000.");
    EXPECT_EQ(record.breakup.value, 8);
}

TEST_F(ExportDialogs, AMissingRecordIsRefusedAndCancels) {
    EXPECT_EQ(run(nullptr, [](Dialog&) {}), IDCANCEL);
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].box.text, "A NULL pointer has been found in CUROutDlg()\nContact Zarvo Software");
}

TEST_F(ExportDialogs, HelpOpensTheHelpFileAtItsTopicOrSaysWhatIsMissing) {
    ZaUROutOptions record = options(kZaBreakupFlatness, 8);
    const auto help = [](Dialog& d) { user::click(at(d, CUROutDlg::kHelp)); };
    run(&record, help);
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].box.text, "Sorry, the help system has not been found.");

    write(install_ + "zautils.hlp", "ZARVO help\r\nUROUT export\r\n");
    run(&record, help);
    EXPECT_EQ(driver().boxes().size(), 1u);
    EXPECT_TRUE(printed("\nZARVO help\nUROUT export\n"));

    ::unsetenv("ZARV$PROG");
    run(&record, help);
    ASSERT_EQ(driver().boxes().size(), 2u);
    EXPECT_THAT(driver().boxes()[1].box.text, testing::StartsWith("Could not determine Zarvo Software install"));
}

TEST_F(ExportDialogs, TheCoordinateDialogStoresTheChoiceOnOkOnly) {
    ZaSettings settings;
    settings.coordinatePreference = 0;
    driver().onNextDialog([](Dialog& d) {
        EXPECT_EQ(d.title(), "Export Coordinate System Selection");
        EXPECT_EQ(d.isChecked(ZPromptCoordinateDlg::kWorld), BST_CHECKED);
        user::click(at(d, ZPromptCoordinateDlg::kLocal));
        user::click(at(d, IDOK));
    });
    EXPECT_EQ(ZPromptCoordinateDlg(settings).doModal(), IDOK);
    EXPECT_EQ(settings.coordinatePreference, 1);

    driver().onNextDialog([](Dialog& d) {
        EXPECT_EQ(d.isChecked(ZPromptCoordinateDlg::kLocal), BST_CHECKED);
        user::click(at(d, ZPromptCoordinateDlg::kWorld));
        user::cancel(d);
    });
    EXPECT_EQ(ZPromptCoordinateDlg(settings).doModal(), IDCANCEL);
    EXPECT_EQ(settings.coordinatePreference, 1);
}

}  // namespace
