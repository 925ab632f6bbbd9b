#include <cstdlib>
#include <fstream>

#include "arx/rxapi.h"
#include "host_fixture.h"
#include "zcad/session.h"

namespace {

std::string modulePath(const char* name) { return std::string(ZCAD_BINARY_DIR) + "/" + name; }

using Session = HostTest;

TEST_F(Session, ModuleCommandsByEitherNameUntilUnloaded) {
    std::string error;
    ASSERT_TRUE(zcad::loadModule(modulePath("test_module.so"), error)) << error;
    const std::string out = zcad::test::runCommands({"hello", "21", "_hi", "x", "4", ".FAILS", "nosuch"});
    const std::string help = zcad::test::runCommands({"HELP", "? hi", "help zoom"});
    zcad::unloadModules();
    EXPECT_NE(help.find("Commands of the module, TEST_GROUP (each asks for what it needs):\n  HELLO (HI)\n"),
              std::string::npos)
        << help;
    EXPECT_NE(help.find("Command: ? hi\n  HELLO (HI)    a command of the module TEST_GROUP"), std::string::npos) << help;
    EXPECT_NE(help.find("  SAVEAS        saves the drawing under a new name"), std::string::npos) << help;
    EXPECT_NE(help.find("Command: help zoom\n  ZOOM          shows the drawing's extents"), std::string::npos) << help;
    EXPECT_NE(output_.find("test module loaded"), std::string::npos);
    EXPECT_NE(out.find("Command: hello\nValue: 21\ntwice 42\n"), std::string::npos);
    EXPECT_NE(out.find("Requires numeric value."), std::string::npos);
    EXPECT_NE(out.find("twice 8"), std::string::npos);
    EXPECT_NE(out.find("FAILS failed."), std::string::npos) << "an escaping exception ends only the command";
    EXPECT_NE(out.find("Unknown command \"NOSUCH\".  Type HELP for a list of commands."), std::string::npos);

    const std::string after = zcad::test::runCommands({"hello"});
    EXPECT_NE(after.find("Unknown command \"HELLO\""), std::string::npos) << "unloading removed the group";
}

TEST_F(Session, ModuleOfAnotherInterfaceVersionIsRefused) {
    std::string error;
    EXPECT_FALSE(zcad::loadModule(modulePath("test_module_old.so"), error));
    EXPECT_NE(error.find("interface version 0x00130000, this host serves 0x00140000"), std::string::npos) << error;
    EXPECT_FALSE(zcad::loadModule(modulePath("no_such_module.so"), error));
}

TEST_F(Session, CommentsBlankLinesAndQuit) {
    const std::string out = zcad::test::runCommands({"; a comment", "", "QUIT", "nosuch"});
    EXPECT_EQ(out.find("Unknown command"), std::string::npos) << "nothing runs after QUIT";
}

// A new session keeps nothing of the last one: the drawing, input,
// acedInitGet's keywords, a table cursor, selection sets, an open sequence,
// a host command waiting for words, the save target, armed faults.
TEST_F(Session, ResetLeavesNothingOfTheLastSession) {
    ASSERT_EQ(makeLine(0, 0, 1, 1), RTNORM);
    zcad::saveTarget().version = zcad::DxfVersion::R2000;
    acutRelRb(acdbTblNext("LAYER", 1));
    ads_name set;
    ASSERT_EQ(acedSSGet("X", nullptr, nullptr, nullptr, set), RTNORM);
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "POLYLINE", 66, 1, 0)), RTNORM);
    ASSERT_EQ(acedCommandS(RTSTR, "-layer", RTNONE), RTNORM);
    acDocManagerPtr()->pushResourceHandle(nullptr);
    const ads_point from = {0, 0, 0}, to = {1, 1, 0};
    acedGrDraw(from, to, 1, 0);
    zcad::test::failEntityMakeAt(1);
    zcad::test::breakAfterPolls(1);
    answer({"left over"});
    acedInitGet(0, "Alpha Beta");

    zcad::test::resetHost();

    EXPECT_EQ(zcad::currentDatabase().entityCount(), 0u);
    EXPECT_FALSE(zcad::saveTarget().version);
    resbuf* layer = acdbTblNext("LAYER", 0);
    ASSERT_NE(layer, nullptr) << "the cursor starts again";
    acutRelRb(layer);
    ads_int32 length = 0;
    EXPECT_EQ(acedSSLength(set, &length), RTERROR);
    EXPECT_FALSE(zcad::test::sequenceOpen());
    EXPECT_EQ(acedCommandS(RTSTR, "C", RTNONE), RTERROR) << "no -layer waiting for its option";
    EXPECT_EQ(zcad::test::resourceDepth(), 0);
    EXPECT_TRUE(zcad::test::drawnVectors().empty());
    EXPECT_FALSE(zcad::userBreakPending());
    EXPECT_EQ(makeLine(0, 0, 1, 1), RTNORM);
    char word[16];
    EXPECT_EQ(acedGetKword("Which: ", word), RTCAN) << "no input left, no keywords armed";
    answer({"a"});
    EXPECT_EQ(acedGetKword("Which: ", word), RTCAN) << "\"a\" matches no keyword now";
}

std::size_t occurrences(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// A failed save says what went wrong once, naming the file once; a --save
// target that cannot be written is refused before any work.
TEST_F(Session, AFailedSaveNamesTheFileOnce) {
    const std::string path = "/nonexistent-zcad-dir/drawing.dxf";
    const std::string out = zcad::test::runCommands({"SAVEAS " + path});
    EXPECT_NE(out.find("cannot save " + path + ": cannot create a file beside it"), std::string::npos) << out;
    EXPECT_EQ(occurrences(out, path), 2u) << "the echoed command line and the message: " << out;

    zcad::SessionOptions options;
    options.save = path;
    options.readStandardInput = false;
    testing::internal::CaptureStderr();
    EXPECT_EQ(zcad::runSession(options), zcad::kExitNotSaved);
    const std::string complaint = testing::internal::GetCapturedStderr();
    EXPECT_EQ(complaint, "zcad: cannot save to " + path + ": the folder /nonexistent-zcad-dir does not exist\n");
}

}  // namespace
