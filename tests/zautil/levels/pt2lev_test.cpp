// PT2LEV as a user meets it: the text per point, the layer preferences,
// the dialog and what is stored.
#include <platform/user_input.h>

#include "levels/p2l_dialog.h"
#include "levels_fixture.h"

namespace {

using testing::HasSubstr;
using P2L = ZConfigDlgPromptP2L;

class Pt2Lev : public LevelsTest {
protected:
    void run() {
        answer({"ALL", ""});
        zaPT2LEV();
    }
};

TEST_F(Pt2Lev, EachPointGetsItsLevelAtThePrecisionWithTheOffsetMovingOnlyTheText) {
    addPoint(10, 20, 12.4, "SURVEY");
    addPoint(30, 40, -3.25, "SURVEY");
    makeLine(0, 0, 1, 1);  // not a point: filtered out
    zaSettings().p2lPrecision = 0;
    zaSettings().p2lXOffset = 1.5;
    zaSettings().p2lYOffset = -2;
    zaSettings().p2lTextHeight = 2.5;
    zaSettings().p2lTextAngle = 90;
    run();
    EXPECT_THAT(output_, HasSubstr("\nZARVO Software PT2LEV, ver V3.0.0  (Apr  2013)Prompt for layer name \n"));
    EXPECT_THAT(output_, HasSubstr("Create 0 at [  10.000    20.000] level   12.400 layer \"mk_lev\" \n"));
    EXPECT_THAT(output_, HasSubstr("Pt2Lev 2 points complete. in "));
    const auto texts = storedOf("TEXT");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text(1), "12");
    EXPECT_EQ(texts[1].text(1), "-3");
    EXPECT_EQ(texts[0].point(10), (ZaPoint{11.5, 18, 12.4}));
    EXPECT_EQ(texts[1].point(10), (ZaPoint{31.5, 38, -3.25}));
    EXPECT_DOUBLE_EQ(texts[0].real(40), 2.5);
    EXPECT_NEAR(texts[0].real(50), 1.5707963267948966, 1e-12);
    EXPECT_EQ(storedOf("POINT")[0].point(10), (ZaPoint{10, 20, 12.4}));
}

TEST_F(Pt2Lev, TheLayerPreferencePlacesTheTexts) {
    addPoint(0, 0, 1, "ROAD");
    addPoint(1, 1, 2, "KERB");
    zaSettings().p2lPreferences = zaWithLayerPreference(0, ZaLayerPreference::Current);
    run();
    EXPECT_THAT(output_, HasSubstr("Use current layer name \n"));
    EXPECT_EQ(storedOf("TEXT")[0].text(8), "ROAD");
    EXPECT_EQ(storedOf("TEXT")[1].text(8), "KERB");

    output_.clear();
    zaSettings().p2lPreferences = zaWithLayerPreference(0, ZaLayerPreference::Defined);
    zaSettings().p2lLayerName = "levels";
    run();
    EXPECT_THAT(output_, HasSubstr("Use defined layer name from configuration \"levels\"\n"));
    EXPECT_EQ(storedOf("TEXT")[2].text(8), "levels");

    // Prompt without the dialog asks nothing and uses the stored name, or "0".
    zaSettings().p2lPreferences = 0;
    zaSettings().p2lLayerName.clear();
    run();
    EXPECT_EQ(storedOf("TEXT")[4].text(8), "0");
    EXPECT_TRUE(driver().dialogsOpened().empty());
}

TEST_F(Pt2Lev, TheDialogsValuesServeTheRunAndAreKeptOnlyWhenAskedFor) {
    addPoint(5, 5, 7.126);
    zaSettings().p2lPreferences = kZaLevelShowDialog;
    driver().onNextDialog([](zplat::Dialog& d) {
        zplat::user::type(*d.itemAs<zplat::Edit>(P2L::kPrecision), "1");
        zplat::user::enter(d);
    });
    run();
    EXPECT_EQ(storedOf("TEXT")[0].text(1), "7.1");
    EXPECT_EQ(zaSettings().p2lPrecision, 3);
    EXPECT_THAT(store(), HasSubstr(dword("P2L Precision", 3)));
    EXPECT_THAT(store(), HasSubstr(dword("P2L Preferences", kZaLevelShowDialog)));

    driver().onNextDialog([](zplat::Dialog& d) {
        zplat::user::type(*d.itemAs<zplat::Edit>(P2L::kPrecision), "2");
        zplat::user::click(*d.item(P2L::kSaveDefaults));
        zplat::user::enter(d);
    });
    run();
    EXPECT_EQ(storedOf("TEXT")[1].text(1), "7.13");
    EXPECT_THAT(store(), HasSubstr(dword("P2L Precision", 2)));
    EXPECT_THAT(store(), HasSubstr(dword("P2L Preferences", kZaLevelShowDialog | kZaLevelSaveDefaults)));

    // The next run without the box ticked clears the request in the store.
    driver().onNextDialog([](zplat::Dialog& d) {
        zplat::user::click(*d.item(P2L::kSaveDefaults));
        zplat::user::enter(d);
    });
    run();
    EXPECT_THAT(store(), HasSubstr(dword("P2L Preferences", kZaLevelShowDialog)));
}

TEST_F(Pt2Lev, CancellingTheDialogMakesNothingAndStoresNothing) {
    addPoint(5, 5, 7);
    zaSettings().p2lPreferences = kZaLevelShowDialog | kZaLevelSaveDefaults;
    driver().onNextDialog([](zplat::Dialog& d) { zplat::user::cancel(d); });
    run();
    EXPECT_THAT(output_, HasSubstr("\n*Cancel*\n"));
    EXPECT_EQ(storedTypes(), "POINT ");
    EXPECT_EQ(store(), "");
    EXPECT_EQ(zaSettings().p2lPreferences, kZaLevelShowDialog | kZaLevelSaveDefaults);
}

}  // namespace
