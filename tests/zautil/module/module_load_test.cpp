// The module as zcad loads it: a fresh store on first load, its commands in
// their group, ZSELECT finding (or not) the job selector, and unloading.
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "module_fixture.h"

namespace {

TEST_F(ModuleLoad, FirstLoadOnAnEmptyStoreCreatesDefaultsOnceAndRegistersTheGroup) {
    ASSERT_TRUE(load());
    EXPECT_EQ(count(output_, "Creating Defaults"), 1u) << output_;
    EXPECT_NE(output_.find("Setting up Zarvo AutoCAD Interface Commands"), std::string::npos);
    std::ifstream store(dir_ / "registry.reg");
    std::string text((std::istreambuf_iterator<char>(store)), {});
    EXPECT_NE(text.find("\"General Use Dialogs\"=dword:00000001"), std::string::npos);

    zcad::unloadModules();
    output_.clear();
    ASSERT_TRUE(load());
    EXPECT_EQ(output_.find("Creating Defaults"), std::string::npos) << "the second load finds its settings";
}

TEST_F(ModuleLoad, ZselectWithoutAndWithTheJobSelector) {
    ASSERT_TRUE(load());
    std::string out = zcad::test::runCommands({"ZSELECT"});
    EXPECT_NE(out.find("Failed to locate Zarvo install directory."), std::string::npos) << out;

    setenv("ZARV$PROG", (dir_ / "install").c_str(), 1);
    out = zcad::test::runCommands({"zselect"});
    EXPECT_NE(out.find("Failed to locate ZSelect executable in Zarvo install directory."), std::string::npos) << out;

    const fs::path marker = dir_ / "started";
    const fs::path program = dir_ / "install" / "ZSelect.exe";
    std::ofstream(program) << "#!/bin/sh\ntouch '" << marker.string() << "'\n";
    fs::permissions(program, fs::perms::owner_all);
    out = zcad::test::runCommands({"ZSELECT"});
    for (int i = 0; i < 100 && !fs::exists(marker); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(fs::exists(marker)) << "the job selector was started: " << out;
}

TEST_F(ModuleLoad, UnloadingRemovesTheCommandGroup) {
    ASSERT_TRUE(load());
    zcad::unloadModules();
    const std::string out = zcad::test::runCommands({"ZSELECT"});
    EXPECT_NE(out.find("Unknown command \"ZSELECT\""), std::string::npos) << out;
}

}  // namespace
