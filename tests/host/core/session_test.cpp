#include <cstdlib>
#include <fstream>

#include "host_fixture.h"
#include "zcad/session.h"

namespace {

std::string modulePath(const char* name) { return std::string(ZCAD_BINARY_DIR) + "/" + name; }

using Session = HostTest;

TEST_F(Session, ModuleCommandsByEitherNameUntilUnloaded) {
    std::string error;
    ASSERT_TRUE(zcad::loadModule(modulePath("test_module.so"), error)) << error;
    const std::string out = zcad::test::runCommands({"hello", "21", "_hi", "x", "4", ".FAILS", "nosuch"});
    zcad::unloadModules();
    EXPECT_NE(output_.find("test module loaded"), std::string::npos);
    EXPECT_NE(out.find("Command: hello\nValue: 21\ntwice 42\n"), std::string::npos);
    EXPECT_NE(out.find("Requires numeric value."), std::string::npos);
    EXPECT_NE(out.find("twice 8"), std::string::npos);
    EXPECT_NE(out.find("FAILS failed."), std::string::npos) << "an escaping exception ends only the command";
    EXPECT_NE(out.find("Unknown command \"NOSUCH\".  Press F1 for help."), std::string::npos);
    const std::string after = zcad::test::runCommands({"hello"});
    EXPECT_NE(after.find("Unknown command \"HELLO\""), std::string::npos) << "unloading removed the group";
}

TEST_F(Session, ModuleOfAnotherInterfaceVersionIsRefused) {
    std::string error;
    EXPECT_FALSE(zcad::loadModule(modulePath("test_module_old.so"), error));
    EXPECT_NE(error.find("interface version"), std::string::npos) << error;
    EXPECT_FALSE(zcad::loadModule(modulePath("no_such_module.so"), error));
}

TEST_F(Session, CommentsBlankLinesAndQuit) {
    const std::string out = zcad::test::runCommands({"; a comment", "", "QUIT", "nosuch"});
    EXPECT_EQ(out.find("Unknown command"), std::string::npos) << "nothing runs after QUIT";
}

}  // namespace
