// Tab at the terminal: command names at the Command prompt, paths after a
// command's name and at every other prompt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editor/completion.h"

namespace {

using zcad::complete;

const std::vector<std::string> kCommands = {"SAVE", "SAVEAS", "SHADE", "URIN", "URI", "UROUT"};

TEST(Completion, CommandNamesInAnyCase) {
    auto c = complete("sav", true, kCommands);
    EXPECT_EQ(c.replace, 3u);
    EXPECT_EQ(c.text, "SAVE");
    EXPECT_EQ(c.choices, (std::vector<std::string>{"SAVE", "SAVEAS"}));
    c = complete("  u", true, kCommands);
    EXPECT_EQ(c.text, "UR") << "the common part of URI, URIN and UROUT";
    EXPECT_EQ(c.choices.size(), 3u);
    c = complete("uro", true, kCommands);
    EXPECT_EQ(c.text, "UROUT");
    EXPECT_TRUE(c.choices.empty());
    c = complete("frob", true, kCommands);
    EXPECT_TRUE(c.text.empty());
    EXPECT_TRUE(c.choices.empty());
}

TEST(Completion, PathsWithBlanksAndLettersBeyondAscii) {
    const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "completion d'été";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "relevé é");
    std::ofstream(dir / "relevé01.ur1") << "";
    std::ofstream(dir / ".hidden") << "";
    const std::string base = dir.string() + "/";

    auto c = complete("SAVEAS " + base + "relevé ", true, kCommands);
    EXPECT_EQ(c.text, base + "relevé é/") << "after a command's name the rest of the line is a path";
    c = complete(base + "rel", false, kCommands);
    EXPECT_EQ(c.text, base + "relevé");
    EXPECT_EQ(c.choices, (std::vector<std::string>{base + "relevé é/", base + "relevé01.ur1"}));
    std::ofstream(dir / "relevè") << "";
    EXPECT_EQ(complete(base + "rel", false, kCommands).text, base + "relev") << "never half a letter";
    c = complete(base, false, kCommands);
    EXPECT_EQ(c.choices.size(), 3u) << "hidden files only when asked for";
    EXPECT_EQ(complete(base + ".h", false, kCommands).text, base + ".hidden");
    std::filesystem::remove_all(dir);
}

}  // namespace
