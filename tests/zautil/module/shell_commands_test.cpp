// The menu, about, help, ribbon and configuration commands as a user meets
// them in zcad: answered line by line, with the script going on after each.
#include <fstream>

#include "module_fixture.h"
#include "run_command.h"

namespace {

using ShellCommands = ModuleLoad;

TEST_F(ShellCommands, AtLoadTheSplashReadsNoLineAndTheRibbonIsTriedOnce) {
    // Lines waiting before the module loads are the script's, not the splash box's.
    answer({"ZHELP"});
    ASSERT_TRUE(load());
    EXPECT_NE(output_.find("Setting up Zarvo AutoCAD Interface Commands\n\nZARVO Software Loading ribbon, version "
                           "V3.0.0  (July 2014)\nZarvo Ribbon loaded <No>\n"),
              std::string::npos)
        << output_;
    output_.clear();
    zcad::runCommandLoop();
    EXPECT_NE(output_.find("Command: ZHELP\n\n== About Zarvo Software  =="), std::string::npos) << output_;
}

TEST_F(ShellCommands, TheMenusHelpShowsTheAboutBoxAndTheScriptGoesOn) {
    ASSERT_TRUE(load());
    const std::string out = zcad::test::runCommands({"ZMENU", "help", "ZMENU", "", "ZA"});
    EXPECT_NE(out.find("  Configuration [40045]\n  Help [40049]\nMenu item: help\n\nZARVO Software/AutoCAD Zautil, "
                       "version V3.0.0  (Aug 2014)\n\n== About Zarvo Software  =="),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("  <<OK>> [1]\n<OK>\nCommand: ZMENU"), std::string::npos) << out;
    EXPECT_NE(out.find("Menu item: \nCommand: ZA\n"), std::string::npos) << "a closed menu runs nothing";
    EXPECT_EQ(count(out, "== About Zarvo Software  =="), 2u);
}

TEST_F(ShellCommands, TheRibbonLoadsOnceWhileTheModuleStaysLoaded) {
    const fs::path install = dir_ / "install";
    fs::create_directories(install / "ZsAcFiles");
    // The least of a Windows image: the DOS header pointing at "PE\0\0".
    std::ofstream(install / "ZsAcFiles" / "ZsAcRibbon2015.dll", std::ios::binary) << std::string("MZ") + std::string(0x3A, '\0') + std::string("\x40\0\0\0PE\0\0", 8);
    setenv("ZARV$PROG", install.c_str(), 1);
    ASSERT_TRUE(load());
    EXPECT_NE(output_.find("Loading ZRibbon => \"" + (install / "ZsAcFiles/ZsAcRibbon2015.dll").string() + "\""),
              std::string::npos)
        << output_;
    EXPECT_EQ(count(output_, "Regenerating model."), 1u);
    EXPECT_NE(output_.find("Zarvo Ribbon loaded <Yes>"), std::string::npos);

    const std::string out = zcad::test::runCommands({"ZRIBBON", "ZRIB"});
    EXPECT_EQ(count(out, "Zarvo Ribbon loaded <Yes>\n"), 2u) << out;
    EXPECT_EQ(count(out, "Regenerating model."), 0u) << "loaded once";

    // Loading the module again starts afresh.
    zcad::unloadModules();
    output_.clear();
    ASSERT_TRUE(load());
    EXPECT_EQ(count(output_, "Regenerating model."), 1u);
}

TEST_F(ShellCommands, ZcadRunsTheConfigurationFromAScript) {
    const fs::path script = dir_ / "config.scr";
    std::ofstream(script) << "ZABOUT\nZCONFIG\nPages=Export\nTabs=Hal Alignment\nInterval On Straight=25\n\n"
                             "ZCONFIG\nPages=Export\n*Cancel*\nZHELP\n";
    int status = 0;
    const std::string out = runCommand("env ZARVO_REGISTRY=" + (dir_ / "registry.reg").string() + " " +
                                           ZCAD_BINARY_DIR "/zcad --script " + script.string() + " </dev/null",
                                       status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("<OK>\nCommand: ZCONFIG\n\nZARVO Software Dialogs, Version V3.0.0  (Aug  2014)\n"),
              std::string::npos)
        << "the about box left the next line to the command prompt: " << out;
    EXPECT_NE(out.find("  Interval On Straight [1601]: \"25\""), std::string::npos) << out;
    EXPECT_NE(out.find("Dialog: *Cancel*\nCommand: ZHELP"), std::string::npos) << out;
    std::ifstream store(dir_ / "registry.reg");
    const std::string text((std::istreambuf_iterator<char>(store)), {});
    EXPECT_NE(text.find("\"HAL Straight Interval\"=\"25.00000\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"AcadLocation\"=\"" ZCAD_BINARY_DIR "/\""), std::string::npos)
        << "zcad tells modules where it lives";
}

}  // namespace
