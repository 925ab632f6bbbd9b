// The two prompt dialogs as a user works them: what the flag word lets him
// edit, what the radios enable, the status line, and the flag word Ok
// rebuilds.
#include <platform/user_input.h>

#include "levels/l2p_dialog.h"
#include "levels/p2l_dialog.h"
#include "levels_fixture.h"

namespace {

using namespace zplat;
using P2L = ZConfigDlgPromptP2L;
using L2P = ZConfigDlgPromptL2P;

class LevelDialogs : public LevelsTest {
protected:
    template <class D>
    int run(ZaSettings* block, TestDriver::Script script) {
        driver().onNextDialog(std::move(script));
        D dialog(block);
        return dialog.doModal();
    }
    static Control& at(Dialog& d, int id) { return *d.item(id); }
    static Edit& edit(Dialog& d, int id) { return *d.itemAs<Edit>(id); }
};

TEST_F(LevelDialogs, PointToLevelEditsOnlyTheValuesTheFlagWordLeavesOpen) {
    ZaSettings block = zaSettings();
    block.p2lPreferences = kZaLevelFixedPrecision | kZaLevelFixedAngle | kZaLevelShowDialog |
                           zaWithLayerPreference(0, ZaLayerPreference::Current);
    EXPECT_EQ(run<P2L>(&block,
                       [](Dialog& d) {
                           EXPECT_FALSE(d.itemEnabled(P2L::kPrecision));
                           EXPECT_FALSE(d.itemEnabled(P2L::kTextAngle));
                           EXPECT_TRUE(d.itemEnabled(P2L::kTextHeight));
                           EXPECT_TRUE(d.itemEnabled(P2L::kXOffset) && d.itemEnabled(P2L::kYOffset));
                           EXPECT_EQ(d.isChecked(P2L::kCurrentLayer), BST_CHECKED);
                           EXPECT_FALSE(d.itemEnabled(P2L::kLayerName));
                           EXPECT_EQ(d.isChecked(P2L::kSaveDefaults), BST_UNCHECKED);
                           EXPECT_EQ(d.isChecked(P2L::kNoDialogOnAuto), BST_UNCHECKED);

                           user::type(edit(d, P2L::kTextHeight), "2.5");
                           EXPECT_EQ(d.statusText(), "Enter the text height to use for levels");
                           user::click(at(d, P2L::kDefinedLayer));
                           EXPECT_EQ(d.statusText(), "");  // the edit's text went with its focus
                           EXPECT_TRUE(d.itemEnabled(P2L::kLayerName));
                           user::type(edit(d, P2L::kLayerName), "spot");
                           user::click(at(d, P2L::kSaveDefaults));
                           EXPECT_EQ(d.statusText(), "Set these values as new defaults on sucessful completion");
                           user::click(at(d, P2L::kNoDialogOnAuto));
                           user::enter(d);
                       }),
              IDOK);
    EXPECT_DOUBLE_EQ(block.p2lTextHeight, 2.5);
    EXPECT_EQ(block.p2lLayerName, "spot");
    EXPECT_EQ(block.p2lPreferences, kZaLevelFixedPrecision | kZaLevelFixedAngle | kZaLevelSaveDefaults |
                                        zaWithLayerPreference(0, ZaLayerPreference::Defined));
}

TEST_F(LevelDialogs, PointToLevelWithEverythingFixedUsesTheDefinedLayer) {
    ZaSettings block = zaSettings();
    block.p2lPreferences = kZaLevelAllFixed | kZaLevelSaveDefaults;
    run<P2L>(&block, [](Dialog& d) {
        for (const int id : {P2L::kPrecision, P2L::kTextHeight, P2L::kTextAngle, P2L::kXOffset, P2L::kYOffset}) {
            EXPECT_FALSE(d.itemEnabled(id)) << id;
        }
        EXPECT_EQ(d.isChecked(P2L::kDefinedLayer), BST_CHECKED);
        EXPECT_EQ(d.isChecked(P2L::kSaveDefaults), BST_CHECKED);
        EXPECT_EQ(d.isChecked(P2L::kNoDialogOnAuto), BST_CHECKED);
        user::click(at(d, P2L::kPromptLayer));
        EXPECT_FALSE(d.itemEnabled(P2L::kLayerName));
        user::click(at(d, P2L::kSaveDefaults));
        user::click(at(d, P2L::kNoDialogOnAuto));
        user::enter(d);
    });
    EXPECT_EQ(block.p2lPreferences, kZaLevelAllFixed | kZaLevelFixedPrecision | kZaLevelFixedOffset |
                                        kZaLevelFixedHeight | kZaLevelFixedAngle | kZaLevelShowDialog);
}

TEST_F(LevelDialogs, WhatTheStoreWouldRefuseIsRefusedAndANullBlockIsSaidSo) {
    ZaSettings block = zaSettings();
    run<P2L>(&block, [](Dialog& d) {
        user::type(edit(d, P2L::kPrecision), "-1");
        user::enter(d);
        user::type(edit(d, P2L::kPrecision), "2");
        user::type(edit(d, P2L::kTextHeight), "0.4");
        user::enter(d);
        EXPECT_TRUE(d.running());
        user::cancel(d);
    });
    EXPECT_EQ(block.p2lPrecision, 3);
    P2L p2l(nullptr);
    L2P l2p(nullptr);
    EXPECT_EQ(p2l.doModal(), IDCANCEL);
    EXPECT_EQ(l2p.doModal(), IDCANCEL);
    ASSERT_EQ(driver().boxes().size(), 4u);
    EXPECT_THAT(driver().boxes()[2].box.text, testing::HasSubstr("loading the Point to Level Dialog.\nPlease report"));
    EXPECT_THAT(driver().boxes()[3].box.text, testing::HasSubstr("loading the Level to Point Dialog.\nPlease report"));
}

TEST_F(LevelDialogs, LevelToPointEnablesTheEditOfItsRadioAndKeepsTheEnteredLayer) {
    ZaSettings block = zaSettings();
    block.l2pPreferences = kZaLevelShowDialog;  // prompt
    EXPECT_EQ(run<L2P>(&block,
                       [](Dialog& d) {
                           EXPECT_EQ(d.statusText(), "none");
                           EXPECT_EQ(d.isChecked(L2P::kPromptLayer), BST_CHECKED);
                           EXPECT_TRUE(d.itemEnabled(L2P::kEnteredLayer));
                           EXPECT_FALSE(d.itemEnabled(L2P::kDefinedName));
                           EXPECT_EQ(d.itemText(L2P::kDefinedName), "mk_pt");
                           user::click(at(d, L2P::kCurrentLayer));
                           EXPECT_EQ(d.statusText(), "Use the current AutoCAD Layer");
                           EXPECT_FALSE(d.itemEnabled(L2P::kEnteredLayer) || d.itemEnabled(L2P::kDefinedName));
                           user::click(at(d, L2P::kDefinedLayer));
                           EXPECT_TRUE(d.itemEnabled(L2P::kDefinedName));
                           user::type(edit(d, L2P::kDefinedName), "levels");
                           EXPECT_EQ(d.statusText(), "Enter the layer name to put the generated levels on");
                           user::click(at(d, L2P::kPromptLayer));
                           user::type(edit(d, L2P::kEnteredLayer), "today");
                           user::click(at(d, L2P::kSaveDefaults));
                           user::click(at(d, L2P::kNoDialogOnAuto));
                           user::enter(d);
                       }),
              IDOK);
    EXPECT_EQ(block.l2pLayerName, "levels");
    EXPECT_EQ(block.l2pPreferences, kZaLevelSaveDefaults);
}

}  // namespace
