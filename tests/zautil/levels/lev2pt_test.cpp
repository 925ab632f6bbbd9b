// LEV2PT as a user meets it: which texts are levels, the counts, the layer
// preferences with the dialog, and the round trip from PT2LEV.
#include <platform/user_input.h>

#include "levels/l2p_dialog.h"
#include "levels_fixture.h"

namespace {

using testing::HasSubstr;
using L2P = ZConfigDlgPromptL2P;

class Lev2Pt : public LevelsTest {
protected:
    void run() {
        answer({"ALL", ""});
        zaLEV2PT();
    }
};

TEST_F(Lev2Pt, OnlyTextsThatStartWithADigitArePointsAndTheRestAreCounted) {
    const char* texts[] = {"  102.35", "102.35m", "12,5", "-1.20", "+1", ".5", "RL 10.2", ""};
    double x = 0;
    for (const char* text : texts) addText(text, x += 10, 5);
    const ads_point at = {0, 0, 0};
    makeEntity(acutBuildList(RTDXF0, "MTEXT", 8, "0", 10, at, 40, 1.0, 1, "55", 0));
    run();
    EXPECT_THAT(output_, HasSubstr("\nZARVO Software LEV2PT, ver V3.0.0  (Apr  2013)\n"
                                   "Use defined layer name from configuration \"mk_pt\"\n"));
    EXPECT_THAT(output_, HasSubstr("Levels 8 selected. \n\r\n new layer mk_pt \r\n"));
    EXPECT_THAT(output_, HasSubstr("Create 1  point at [ 10.000,   5.000] level = 102.350 layer  \"mk_pt\" \n"));
    EXPECT_THAT(output_, HasSubstr("Create 3  point at [ 30.000,   5.000] level =  12.000 layer  \"mk_pt\" \n"));
    EXPECT_THAT(output_, HasSubstr(" 5 invalid text selections found\nLev2Pt 3 points created in "));
    const auto points = storedOf("POINT");
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].point(10), (ZaPoint{10, 5, 102.35}));
    EXPECT_EQ(points[1].point(10), (ZaPoint{20, 5, 102.35}));
    EXPECT_EQ(points[2].point(10), (ZaPoint{30, 5, 12}));
    EXPECT_EQ(points[0].text(8), "mk_pt");
    EXPECT_THAT(store(), HasSubstr(dword("L2P Preferences", 0x060)));
}

TEST_F(Lev2Pt, UnderCurrentEachPointTakesTheLayerOfItsText) {
    addText("10", 0, 0, "ROAD");
    addText("11", 1, 1, "KERB");
    zaSettings().l2pPreferences = zaWithLayerPreference(0, ZaLayerPreference::Current);
    run();
    EXPECT_THAT(output_, HasSubstr("Use current layer name \n"));
    EXPECT_THAT(output_, HasSubstr("\r\n new layer  \r\n"));
    EXPECT_THAT(output_, HasSubstr("\"KERB\" \n\nLev2Pt 2 points created in "));  // none invalid
    EXPECT_EQ(storedOf("POINT")[0].text(8), "ROAD");
    EXPECT_EQ(storedOf("POINT")[1].text(8), "KERB");
    EXPECT_TRUE(driver().dialogsOpened().empty());
}

TEST_F(Lev2Pt, UnderPromptTheDialogGivesTheLayerAnEmptyOneIsL2PAndCancelMakesNothing) {
    addText("10", 0, 0);
    zaSettings().l2pPreferences = 0;
    driver().onNextDialog([](zplat::Dialog& d) {
        zplat::user::type(*d.itemAs<zplat::Edit>(L2P::kEnteredLayer), "spot levels");
        zplat::user::enter(d);
    });
    run();
    EXPECT_THAT(output_, HasSubstr("Prompt for layer name \n"));
    EXPECT_THAT(output_, HasSubstr("\r\n new layer spot levels \r\n"));
    EXPECT_EQ(storedOf("POINT")[0].text(8), "spot levels");

    driver().onNextDialog([](zplat::Dialog& d) {
        zplat::user::type(*d.itemAs<zplat::Edit>(L2P::kEnteredLayer), "");
        zplat::user::enter(d);
    });
    run();
    EXPECT_EQ(storedOf("POINT")[1].text(8), "L2P");

    driver().onNextDialog([](zplat::Dialog& d) { zplat::user::cancel(d); });
    run();
    EXPECT_THAT(output_, HasSubstr("\n*Cancel*  2\n"));
    EXPECT_EQ(storedOf("POINT").size(), 2u);
}

TEST_F(Lev2Pt, TheConfirmedChoicesGovernTheRunAndAreStoredWhenAskedFor) {
    addText("10", 0, 0, "ROAD");
    zaSettings().l2pPreferences = kZaLevelShowDialog;
    driver().onNextDialog([](zplat::Dialog& d) {
        zplat::user::click(*d.item(L2P::kDefinedLayer));
        zplat::user::type(*d.itemAs<zplat::Edit>(L2P::kDefinedName), "levels");
        zplat::user::click(*d.item(L2P::kSaveDefaults));
        zplat::user::click(*d.item(L2P::kNoDialogOnAuto));
        zplat::user::enter(d);
    });
    run();
    EXPECT_EQ(storedOf("POINT")[0].text(8), "levels");
    EXPECT_EQ(zaSettings().l2pLayerName, "levels");
    EXPECT_THAT(store(), HasSubstr(dword("L2P Preferences", 0x160)));
    EXPECT_THAT(store(), HasSubstr("\"L2P Layer Name\"=\"levels\""));

    // Stored without the dialog: the next run shows none and uses them.
    run();
    EXPECT_EQ(driver().dialogsOpened().size(), 1u);
    EXPECT_EQ(storedOf("POINT")[1].text(8), "levels");
    EXPECT_THAT(store(), HasSubstr(dword("L2P Preferences", 0x160)));
}

TEST_F(Lev2Pt, TheLevelsOfPt2LevComeBackAtItsPrecision) {
    const double levels[] = {0.004, 12.345678, 99.996, 1234.5};
    for (const double z : levels) addPoint(z, 2 * z, z);
    zaSettings().p2lPrecision = 2;
    answer({"ALL", ""});
    zaPT2LEV();
    run();
    const auto points = storedOf("POINT");
    ASSERT_EQ(points.size(), 8u);
    const double expected[] = {0.0, 12.35, 100.0, 1234.5};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(points[4 + i].point(10), (ZaPoint{levels[i], 2 * levels[i], expected[i]}));
    }
}

}  // namespace
