// The pop-up menu, the about and splash box and the ribbon,
// each on its own (the module test drives them through zcad).
#include "../settings/settings_fixture.h"

#include "commands/command_table.h"
#include "menu/about_box.h"
#include "menu/popup_menu.h"
#include "menu/ribbon.h"
#include "zcad/host_test.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <map>
#include <set>

namespace {

using testing::HasSubstr;

using ShellTest = SettingsTest;

// What the menu shows is the rows' items; what is checked here is that the
// menu built from them hands back, for each item, the command whose row
// placed it, and keeps each sub-menu in its places.
TEST_F(ShellTest, EveryMenuItemRunsTheCommandWhoseRowPlacedIt) {
    const auto rows = zaCommandTable();
    std::map<int, std::set<std::string>> placedBy;
    int placed = 0;
    for (const zamenu::CommandRow& row : rows) {
        for (const zamenu::MenuItem& item : row.items) {
            if (!item.text) continue;
            placedBy[item.id].insert(row.globalName);
            ++placed;
        }
    }
    const zplat::Menu menu = zamenu::popUpMenu(rows);
    int offered = 0;
    for (const zplat::MenuChoice& choice : zplat::menuChoices(menu)) {
        ++offered;
        driver().answerNextMenu(choice.id);
        const zamenu::CommandRow* row = zamenu::selectionRow(rows, zaShowPopUpMenu(rows));
        ASSERT_NE(row, nullptr) << choice.path.back();
        EXPECT_EQ(placedBy.at(choice.id), std::set<std::string>{row->globalName}) << choice.path.back();
        if (choice.path.back() == "&Help") {
            EXPECT_STREQ(row->globalName, "ZABOUT") << "help shows the about box";
        }
    }
    EXPECT_EQ(offered, placed);
    EXPECT_EQ(zcad::test::resourceDepth(), 0);

    // Three sub-menus, then a separator and the menu's own items; no
    // separator opens or closes a sub-menu or follows another.
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_TRUE(menu[3].separator());
    for (std::size_t i = 0; i < 3; ++i) {
        const zplat::Menu& sub = menu[i].subMenu;
        ASSERT_FALSE(sub.empty());
        EXPECT_FALSE(sub.front().separator() || sub.back().separator());
        for (std::size_t j = 1; j < sub.size(); ++j) EXPECT_FALSE(sub[j].separator() && sub[j - 1].separator());
    }
}

int gRuns = 0;
void countRun() { ++gRuns; }

// A closed menu running nothing is the module test's.
TEST_F(ShellTest, NumbersNoItemGivesStillRunTheirCommand) {
    const zamenu::CommandRow rows[] = {{"ZHELP", "ZHELP", countRun, {}, 31}};
    gRuns = 0;
    zamenu::selectionRow(rows, 31)->function();
    EXPECT_EQ(gRuns, 1);
    EXPECT_EQ(zamenu::selectionRow(rows, 13), nullptr);
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
    EXPECT_EQ(zcad::test::resourceDepth(), 0);
}

TEST_F(ShellTest, TheRibbonLoadsFromTheInstallationOrSaysWhyNot) {
    zaClearRibbonLoaded();
    zaZRibbon();
    EXPECT_EQ(output_, "\nZARVO Software Loading ribbon, version V3.0.0  (July 2014)\nCannot locate Zarvo dll \"" +
                           install_ + "ZsAcFiles/ZsAcRibbon2015.dll\" \nZarvo Ribbon loaded <No>\n");

    std::filesystem::create_directories(install_ + "ZsAcFiles");
    const std::string dll = install_ + "ZsAcFiles/ZsAcRibbon2015.dll";
    std::ofstream(dll) << "ribbon";
    output_.clear();
    zaZRibbon();
    EXPECT_NE(output_.find(dll + " is not a loadable library."), std::string::npos) << output_;
    EXPECT_NE(output_.find("Zarvo Ribbon loaded <No>"), std::string::npos);
    // The least of a Windows image: the DOS header pointing at "PE\0\0".
    std::ofstream(dll, std::ios::binary) << std::string("MZ") + std::string(0x3A, '\0') + std::string("\x40\0\0\0PE\0\0", 8);
    output_.clear();
    zaZRibbon();
    EXPECT_EQ(output_, "\nZARVO Software Loading ribbon, version V3.0.0  (July 2014)\nLoading ZRibbon => \"" + dll +
                           "\" \nRegenerating model.\nComplete \"" + dll + "\" \nZarvo Ribbon loaded <Yes>\n");
    // Loaded once, and nothing looked for without an installation, are the
    // module test's.
    EXPECT_EQ(zcad::test::resourceDepth(), 0);
}

}  // namespace
