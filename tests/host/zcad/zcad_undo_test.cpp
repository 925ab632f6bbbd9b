// Undo and the host's commands in zcad as a user runs them: the README's
// worked examples run as written, an import taken back leaves the saved
// drawing as it was read, and --no-undo keeps no journal.
#include "zcad_fixture.h"

namespace {

using HostCommands = ZcadRun;

TEST_F(HostCommands, TheWorkedExamplesRunAsWritten) {
    std::filesystem::create_directories(dir_ / "examples" / "out");
    std::filesystem::copy_file(source("examples/road.dxf"), path("examples/road.dxf"));
    const std::string script = source("examples/host_commands.scr");
    ZcadProcess zcad(options({"--no-module", "--drawing", "examples/road.dxf", "--script", script}));
    EXPECT_EQ(zcad.wait(60), 0) << zcad.output();
    for (const char* written : {"road.png", "road.svg", "road-edited.dxf"}) {
        EXPECT_TRUE(std::filesystem::exists(dir_ / "examples" / "out" / written)) << written;
    }
    const std::string out = zcad.output();
    for (const char* fact : {"POLYLINE on layer \"ROAD\" = 1\n", "Distance = 4232.3162\n", "Angle in XY Plane = 14\n",
                             "Undone: ERASE\nUndone: MOVE\n", "Redone: MOVE\n", "Undone: ERASE\nMark encountered\n"}) {
        EXPECT_NE(out.find(fact), std::string::npos) << fact << "\n" << out;
    }
}

TEST_F(HostCommands, AnImportTakenBackSavesTheDrawingAsItWasRead) {
    // Our own output first, so that it reads and saves the same.
    const std::string map = source("examples/strings.map");
    ASSERT_EQ(runScript("TRIN\n" + source("examples/strings1.tr1") + "\nNo\n" + map + "\n", {"--save", path("a.dxf")}),
              0)
        << output_;
    const std::string urin = "URIN\n" + source("examples/strings1.ur1") + "\nYes\n" + map + "\n";
    ASSERT_EQ(runScript(urin + "PELEV\nALL\n\nAdd\n0.5\n-LAYER\nC\n3\n0\n\nU\nU\nU\n",
                        {"--drawing", path("a.dxf"), "--save", path("b.dxf")}),
              0)
        << output_;
    EXPECT_EQ(read(path("b.dxf")), read(path("a.dxf")));

    EXPECT_EQ(runScript(urin + "U\n", {"--no-undo", "--drawing", path("a.dxf"), "--save", path("c.dxf")}), 1);
    EXPECT_NE(output_.find("U command disabled. Use UNDO command to turn it on."), std::string::npos) << output_;
    EXPECT_FALSE(std::filesystem::exists(path("c.dxf")));
}

}  // namespace
