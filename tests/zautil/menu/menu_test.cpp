// The pop-up menu, the about and splash box and the ribbon,
// each on its own (the module test drives them through zcad).
#include "../settings_store/settings_fixture.h"

#include "menu/about_box.h"
#include "menu/popup_menu.h"
#include "menu/ribbon.h"
#include "zcad/host_test.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <map>

namespace {

using testing::HasSubstr;

using ShellTest = SettingsTest;

TEST_F(ShellTest, EveryMenuItemRunsItsCommand) {
    // The item's text, with its sub-menu, and the command the suite's users know it for.
    const std::map<std::string, std::string> expected = {
        {"&Import/&Plot File (pfin)", "PFIN"},
        {"&Import/Plot File from &Queue (pqin)", "PQIN"},
        {"&Import/&Universal Reduced File input (urin)", "URIN"},
        {"&Import/ASCII Text &Reduced XYZ input (trin)", "TRIN"},
        {"&Import/Zarvo &Triangle Transfer (utin)", "UTIN"},
        {"&Export/&Plot file output (pfout)", "PFOUT"},
        {"&Export/&Universal Reduction File output (urout)", "UROUT"},
        {"&Export/ASCII &Text Reduction File output (trout)", "TROUT"},
        {"&Export/&Horizontal Alignment File (halout)", "HALOUT"},
        {"&General Utilities/&Generate bounding PolyLine at given level (Padlev)", "PADLEV"},
        {"&General Utilities/&Edit PolyLine level (Pelev)", "PELEV"},
        {"&General Utilities/&Level to Point (Lev2pt)", "LEV2PT"},
        {"&General Utilities/&Point 2 Level (Pt2lev)", "PT2LEV"},
        {"&General Utilities/&Modify the Zarvo Software Suite Current Job (Zselect)", "ZSELECT"},
        {"&General Utilities/&Install Ribbon Menu", "ZRIBBON"},
        {"&General Utilities/&About Zarvo AutoCAD Interface", "ZABOUT"},
        {"&General Utilities/&Options", "ZCONFIG"},
        {"&Configuration", "ZCONFIG"},
        {"&Help", "ZABOUT"},
    };
    std::map<std::string, std::string> found;
    for (const zplat::MenuChoice& choice : zplat::menuChoices(zaPopUpMenu())) {
        std::string path;
        for (const std::string& part : choice.path) path += (path.empty() ? "" : "/") + part;
        driver().answerNextMenu(choice.id);
        const char* command = zaMenuSelectionCommand(zaShowPopUpMenu());
        found[path] = command ? command : "(nothing)";
    }
    EXPECT_EQ(found, expected);
    EXPECT_EQ(zcad::test::resourceDepth(), 0);
    // Understood, though no item hands them back.
    EXPECT_STREQ(zaMenuSelectionCommand(23), "ZABOUT");
    EXPECT_STREQ(zaMenuSelectionCommand(31), "ZHELP");
}

int gRuns = 0;
void countRun() { ++gRuns; }

TEST_F(ShellTest, AClosedMenuRunsNothingAndACommandTheModuleLacksIsTold) {
    EXPECT_EQ(zaShowPopUpMenu(), -1) << "the driver closed the menu without a choice";
    gRuns = 0;
    const auto finder = [](const char* name) -> AcRxFunctionPtr {
        return std::string(name) == "ZHELP" ? countRun : nullptr;
    };
    zaRunMenuSelection(-1, finder);
    EXPECT_EQ(gRuns, 0);
    zaRunMenuSelection(31, finder);
    EXPECT_EQ(gRuns, 1);
    zaRunMenuSelection(13, finder);
    EXPECT_EQ(output_, "\nThe HALOUT command is not available in this version of the module.\n");
}

TEST_F(ShellTest, TheSplashClosesItselfTheAboutBoxWaitsForOk) {
    zaShowSplash();
    driver().fireTimersAtOnce = false;
    driver().onNextDialog([](zplat::Dialog& d) {
        EXPECT_TRUE(d.timers().empty()) << "an about box has no timer";
        EXPECT_EQ(d.itemText(ZAboutDlg::kVersionId), "V3.0.0  (Aug 2014)");
        d.dispatch(zplat::IDOK, zplat::Notify::Clicked);
    });
    zaZAbout();
    ZAboutDlg splash(true, 2000, nullptr);
    driver().onNextDialog([](zplat::Dialog& d) {
        EXPECT_EQ(d.timers().at(ZAboutDlg::kSplashTimer), 2000u);
        d.fireTimer(ZAboutDlg::kSplashTimer);
    });
    EXPECT_EQ(splash.doModal(), zplat::IDOK);
    EXPECT_EQ(driver().dialogsOpened(), (std::vector<std::string>(3, "About Zarvo Software ")));
    EXPECT_EQ(output_, "\nZARVO Software/AutoCAD Zautil, version V3.0.0  (Aug 2014)\n");
    output_.clear();
    zaZHelp();
    EXPECT_EQ(output_, "") << "ZHELP shows the box without a banner";
    EXPECT_EQ(zcad::test::resourceDepth(), 0);
}

TEST_F(ShellTest, TheRibbonLoadsOnceFromTheInstallationAndOnlyThere) {
    zaClearRibbonLoaded();
    zaZRibbon();
    EXPECT_EQ(output_, "\nZARVO Software Loading ribbon, version V3.0.0  (July 2014)\nCannot locate Zarvo dll \"" +
                           install_ + "ZsAcFiles/ZsAcRibbon2015.dll\" \nZarvo Ribbon loaded <No>\n");

    std::filesystem::create_directories(install_ + "ZsAcFiles");
    const std::string dll = install_ + "ZsAcFiles/ZsAcRibbon2015.dll";
    std::ofstream(dll) << "MZ";
    output_.clear();
    zaZRibbon();
    EXPECT_EQ(output_, "\nZARVO Software Loading ribbon, version V3.0.0  (July 2014)\nLoading ZRibbon => \"" + dll +
                           "\" \nRegenerating model.\nComplete \"" + dll + "\" \nZarvo Ribbon loaded <Yes>\n");
    output_.clear();
    zaZRibbon();
    EXPECT_EQ(output_, "\nZARVO Software Loading ribbon, version V3.0.0  (July 2014)\nZarvo Ribbon loaded <Yes>\n");
    EXPECT_EQ(zcad::test::resourceDepth(), 0);

    ::unsetenv("ZARV$PROG");
    output_.clear();
    EXPECT_FALSE(zaLoadRibbon(ZsAcEnviron()));
    EXPECT_EQ(output_, "") << "without an installation directory nothing is looked for";
}

}  // namespace
