// Choosing the breakup rule for a run: as stored, through the dialog, or
// on the command line; what each answer leaves in the settings.
#include <platform/user_input.h>

#include <gmock/gmock.h>

#include "../layers/zarvo_fixture.h"
#include "dialogs/breakup_choice.h"
#include "dialogs/cur_out_dlg.h"

namespace {

using namespace zplat;

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class BreakupChoice : public ZarvoTest {
protected:
    void SetUp() override {
        ZarvoTest::SetUp();
        ZaSettings& s = zaSettings();
        s.xyzUseDefaults = false;
        s.useDialogs = false;
        s.xyzBreakup = kZaBreakupFlatness;
        s.xyzValue = 8;
        s.xyzRounding = true;
        s.xyzLastNumberText = 8;
        options_ = zaUROutOptions(s);
    }
    bool choose(std::vector<std::string> lines) {
        answer(std::move(lines));
        return zaUroutCircleAndArcOptions(options_);
    }

    ZaUROutOptions options_;
};

TEST_F(BreakupChoice, StoredOptionsApplyWithoutAsking) {
    zaSettings().xyzUseDefaults = true;
    zaSettings().useDialogs = true;
    EXPECT_TRUE(zaUroutCircleAndArcOptions(options_));
    options_.breakup.type = kZaBreakupNone;
    EXPECT_FALSE(zaUroutCircleAndArcOptions(options_));
    EXPECT_TRUE(driver().dialogsOpened().empty());
    EXPECT_EQ(output_, "");
}

TEST_F(BreakupChoice, TheDialogStoresAConfirmedRuleInMemoryOnly) {
    zaSettings().useDialogs = true;
    driver().onNextDialog([](Dialog& d) {
        user::click(*d.item(CUROutDlg::kQuarterly));
        user::type(*d.itemAs<Edit>(CUROutDlg::kValue), "3");
        user::type(*d.itemAs<Edit>(CUROutDlg::kLastNumber), "5");
        user::click(*d.item(IDOK));
    });
    EXPECT_TRUE(zaUroutCircleAndArcOptions(options_));
    EXPECT_EQ(options_.breakup, (ZaBreakupOptions{kZaBreakupQuarterly, true, 3}));
    EXPECT_EQ(zaSettings().xyzBreakup, kZaBreakupQuarterly);
    EXPECT_EQ(zaSettings().xyzValue, 3);
    EXPECT_EQ(zaSettings().xyzLastNumberText, 5);
    EXPECT_EQ(read(dir_ + "registry.reg"), "");  // nothing written
    EXPECT_EQ(zcad::test::resourceDepth(), 0);

    // None, or No, leaves arcs out and the settings as they were; a cancel
    // is no answer.
    for (const int button : {IDOK, IDNO, IDCANCEL}) {
        driver().onNextDialog([button](Dialog& d) {
            user::click(*d.item(CUROutDlg::kNone));
            if (button == IDCANCEL) return user::cancel(d);
            user::click(*d.item(button));
        });
        EXPECT_EQ(zaChooseArcBreakup(options_), button == IDCANCEL ? ZaArcChoice::Cancelled : ZaArcChoice::LeaveOut);
        EXPECT_EQ(zaSettings().xyzBreakup, kZaBreakupQuarterly);
    }
}

TEST_F(BreakupChoice, EachKeywordAsksItsValue) {
    EXPECT_TRUE(choose({"q", "4"}));
    EXPECT_TRUE(printed("\n\n\nQuarterly Division, Chord Division, Flat Factor or None. Do not include circles and "
                        "arcs. <Flat Factor> : "));
    EXPECT_TRUE(printed("\nMinimum number of quarterly divisions"));
    EXPECT_EQ(options_.breakup, (ZaBreakupOptions{kZaBreakupQuarterly, true, 4}));
    EXPECT_EQ(zaSettings().xyzBreakup, kZaBreakupQuarterly);

    EXPECT_TRUE(choose({"Chord", "2.5"}));
    EXPECT_TRUE(printed("\nMaximum chord length"));
    EXPECT_EQ(options_.breakup.type, kZaBreakupChord);
    EXPECT_EQ(zaSettings().xyzValue, 2.5);

    EXPECT_TRUE(choose({"flat", ""}));  // Enter keeps the value
    EXPECT_TRUE(printed("\nMaximum distance from chord mid-point to arc"));
    EXPECT_EQ(options_.breakup, (ZaBreakupOptions{kZaBreakupFlatness, true, 2.5}));
}

TEST_F(BreakupChoice, EnterKeepsTheRuleInForceAndNoneOrCancelLeavesArcsOut) {
    EXPECT_TRUE(choose({""}));
    EXPECT_EQ(options_.breakup, (ZaBreakupOptions{kZaBreakupFlatness, true, 8}));

    EXPECT_FALSE(choose({"None"}));
    EXPECT_EQ(options_.breakup.type, kZaBreakupNone);
    EXPECT_EQ(zaSettings().xyzBreakup, kZaBreakupFlatness);  // not stored
    // With none in force, Enter has no rule to keep.
    EXPECT_FALSE(choose({""}));

    options_.breakup.type = kZaBreakupChord;
    answer({"*Cancel*"});
    EXPECT_EQ(zaChooseArcBreakup(options_), ZaArcChoice::Cancelled);
    answer({"Quarterly", "*Cancel*"});
    EXPECT_EQ(zaChooseArcBreakup(options_), ZaArcChoice::Cancelled);
    answer({"None"});
    EXPECT_EQ(zaChooseArcBreakup(options_), ZaArcChoice::LeaveOut);
    EXPECT_EQ(zaSettings().xyzBreakup, kZaBreakupFlatness);
}

TEST_F(BreakupChoice, AValueTheSettingsCannotHoldIsAskedAgain) {
    EXPECT_TRUE(choose({"Chord", "0", "-1", "50000", "0.000001", "12"}));
    EXPECT_TRUE(printed("Value must be nonzero."));
    EXPECT_TRUE(printed("Value must be positive."));
    EXPECT_EQ(count(output_, "Value must be between 0.00001 and 40000."), 2);
    EXPECT_EQ(options_.breakup.value, 12);
}

}  // namespace
