#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>

#include "arx/acedads.h"
#include "commands/host_state.h"
#include "host_fixture.h"
#include "zcad/text.h"

namespace zcad::testing {
namespace {

using CommandLineTest = HostTest;
using commands::hostState;

TEST_F(CommandLineTest, UnknownCommandsAreReportedAndEndTheCall) {
    EXPECT_EQ(acedCommandS(RTSTR, "frobnicate", RTSTR, "regen", RTNONE), RTERROR);
    EXPECT_EQ(takePrinted(), "Unknown command \"FROBNICATE\".  Type HELP for a list of commands.\n");
    EXPECT_EQ(hostState().regenerations, 0);
}

TEST_F(CommandLineTest, EmptyCallsEndTheActiveCommandOrDoNothing) {
    EXPECT_EQ(acedCommandS(RTNONE), RTNORM);
    EXPECT_EQ(acedCommand(RTSTR, "zoom", 0), RTNORM);
    EXPECT_TRUE(commands::commandProcessor().busy());
    EXPECT_EQ(acedCommandS(RTNONE), RTNORM);
    EXPECT_FALSE(commands::commandProcessor().busy());
    // The next word starts a command again rather than answering zoom.
    EXPECT_EQ(acedCommandS(RTSTR, "e", RTNONE), RTERROR);
    EXPECT_EQ(takePrinted(), "Unknown command \"E\".  Type HELP for a list of commands.\n");
}

TEST_F(CommandLineTest, ACancelWordCancels) {
    EXPECT_EQ(acedCommandS(RTSTR, "-layer", RTNONE), RTNORM);
    EXPECT_EQ(acedCommandS(RTSTR, "*Cancel*", RTNONE), RTCAN);
    EXPECT_FALSE(commands::commandProcessor().busy());
}

TEST_F(CommandLineTest, WordsOfUnknownTypeRunNothing) {
    EXPECT_EQ(acedCommandS(RTSTR, "regen", RTLB, RTNONE), RTREJ);
    EXPECT_EQ(hostState().regenerations, 0);
    EXPECT_EQ(acedCommandS(RTREAL, 1.0, RTNONE), RTREJ);
}

TEST_F(CommandLineTest, ResultBufferListsWorkLikeArguments) {
    resbuf* words = acutBuildList(RTSTR, "pdmode", RTSHORT, 35, 0);
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(acedCmdS(words), RTNORM);
    acutRelRb(words);
    EXPECT_EQ(db().headerVar("$PDMODE")->groups.front().integer, 35);
}

TEST_F(CommandLineTest, RegenRibbonAndShadingLeaveTheirState) {
    EXPECT_EQ(acedCommandS(RTSTR, "RIBBON", RTSTR, "REGEN", RTNONE), RTNORM);
    EXPECT_TRUE(hostState().ribbonShown);
    EXPECT_EQ(takePrinted(), "Regenerating model.\n");

    EXPECT_EQ(acedCommand(RTSTR, "shade", RTNONE), RTNORM);
    EXPECT_TRUE(hostState().shaded);
    EXPECT_EQ(acedCommand(RTSTR, "-shademode", RTSTR, "2d", RTNONE), RTNORM);
    EXPECT_EQ(hostState().shadeMode, "2D wireframe");
    EXPECT_FALSE(hostState().shaded);
    EXPECT_EQ(acedCommand(RTSTR, "-shademode", RTSTR, "sketchy", RTNONE), RTREJ);
}

// The least of a Windows image: the DOS header pointing at "PE\0\0".
void writeLibraryImage(const std::string& path) {
    std::string image(0x40, '\0');
    image[0] = 'M';
    image[1] = 'Z';
    image[0x3C] = 0x40;
    image += std::string("PE\0\0", 4);
    std::ofstream(path, std::ios::binary) << image;
}

TEST_F(CommandLineTest, NetloadRecordsAnAssemblyThatExists) {
    const auto dir = std::filesystem::temp_directory_path() / "zcad_netload_test";
    std::filesystem::create_directories(dir / "ZsAcFiles");
    const auto assembly = dir / "ZsAcFiles" / "ZsAcRibbon2015.dll";
    std::ofstream(assembly) << "MZ";
    // A text file named .dll is no assembly.
    EXPECT_EQ(acedCommandS(RTSTR, "NETLOAD", RTSTR, assembly.c_str(), RTNONE), RTERROR);
    EXPECT_EQ(takePrinted(), "Unable to load " + assembly.string() + " assembly.\n" + assembly.string() +
                                 " is not a loadable library.\n");
    EXPECT_TRUE(hostState().loadedAssemblies.empty());
    writeLibraryImage(assembly.string());

    // The path as the module builds it on the suite's platform.
    const std::string windowsStyle = dir.string() + "/ZsAcFiles\\ZsAcRibbon2015.dll";
    EXPECT_EQ(acedCommandS(RTSTR, "NETLOAD", RTSTR, windowsStyle.c_str(), RTNONE), RTNORM);
    ASSERT_EQ(hostState().loadedAssemblies.size(), 1u);
    EXPECT_EQ(hostState().loadedAssemblies.front(), assembly.string());

    const std::string missing = (dir / "nothing.dll").string();
    EXPECT_EQ(acedCommandS(RTSTR, "NETLOAD", RTSTR, missing.c_str(), RTNONE), RTERROR);
    EXPECT_EQ(takePrinted(), "Unable to load " + missing + " assembly.\n");
    EXPECT_EQ(hostState().loadedAssemblies.size(), 1u);
    std::filesystem::remove_all(dir);
}

// Module commands run through the command line may themselves run host
// commands, as a module's ribbon command does at load time.
TEST_F(CommandLineTest, ModuleCommandsAreReachedThroughTheRunner) {
    std::vector<std::string> ran;
    commands::setModuleCommandRunner([&](std::string_view name) {
        if (!equalNoCase(name, "ZRIB")) return false;
        ran.emplace_back(name);
        acedCommandS(RTNONE);
        acedCommandS(RTSTR, "RIBBON", RTNONE);
        acedCommandS(RTSTR, "REGEN", RTNONE);
        return true;
    });
    EXPECT_EQ(acedCommandS(RTSTR, "zrib", RTNONE), RTNORM);
    EXPECT_EQ(ran, std::vector<std::string>{"zrib"});
    EXPECT_TRUE(hostState().ribbonShown);
    EXPECT_EQ(acedCommandS(RTSTR, "ZZZ", RTNONE), RTERROR);
    commands::setModuleCommandRunner(nullptr);
}

class TypedCommandTest : public HostTest {
protected:
    commands::AnswerSource answers(std::deque<std::string> lines) {
        lines_ = std::move(lines);
        return [this](std::string_view prompt) -> std::optional<std::string> {
            prompts_.emplace_back(prompt);
            if (lines_.empty()) return std::nullopt;
            std::string line = lines_.front();
            lines_.pop_front();
            return line;
        };
    }
    std::deque<std::string> lines_;
    std::vector<std::string> prompts_;
};

// At the Command prompt a wrong answer is asked for again.
TEST_F(TypedCommandTest, AWrongAnswerIsAskedForAgain) {
    ListBuilder("POINT").point(10, 0, 0).append(db());
    ListBuilder("POINT").point(10, 30, 20).append(db());
    EXPECT_TRUE(commands::runHostCommandLine("ZOOM", answers({"x", "extents"})));
    EXPECT_EQ(prompts_.size(), 2u);
    EXPECT_EQ(prompts_[0], prompts_[1]);
    EXPECT_EQ(takePrinted(), "Point or option keyword required.\n");
    EXPECT_DOUBLE_EQ(db().view.centre[0], 15.0);
    EXPECT_DOUBLE_EQ(db().view.height, 20.0);
}

TEST_F(TypedCommandTest, RunningOutOfInputCancels) {
    TableRecord road;
    road.groups = {OwnedGroup::string(2, "road"), OwnedGroup::integral(62, 7)};
    db().layers().add(std::move(road));
    EXPECT_TRUE(commands::runHostCommandLine("-layer", answers({"c", "4"})));
    EXPECT_EQ(takePrinted(), "*Cancel*\n");
    EXPECT_EQ(db().layers().find("road")->find(62)->integer, 7);
    EXPECT_FALSE(commands::runHostCommandLine("NOSUCH", answers({})));
}

}  // namespace
}  // namespace zcad::testing
