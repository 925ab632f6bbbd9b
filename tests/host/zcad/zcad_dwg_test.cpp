// DWG drawings from zcad's command line and OPEN, with a stand-in for the
// helper's Node: the report line, DXF saved beside the DWG and never over
// it, the way to install what is missing, and the break key.
#include <sys/stat.h>

#include <thread>

#include "zcad_fixture.h"

namespace {

const char* kSmallDxf =
    "0\nSECTION\n2\nENTITIES\n"
    "0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n"
    "0\nCIRCLE\n8\n0\n10\n5\n20\n5\n30\n0\n40\n2\n"
    "0\nENDSEC\n0\nEOF\n";

class Dwg : public ZcadRun {
protected:
    void SetUp() override {
        ZcadRun::SetUp();
        std::filesystem::create_directories(path("helper"));
        write(path("helper/helper.js"), "// never read: the stand-in Node acts it out\n");
        write(path("plan.dwg"), kDwgBytes);
        write(path("small.dxf"), kSmallDxf);
    }

    // The stand-in runs as "node --liftoff-only helper.js IN OUT"; it finds
    // its files beside itself, as the folder's name defeats shell quoting.
    void standIn(const std::string& body) {
        write(path("node"), "#!/bin/sh\n" + body + "\n");
        ::chmod(path("node").c_str(), 0755);
    }

    ZcadProcess::Options dwgOptions(std::vector<std::string> args, bool terminal = false) const {
        ZcadProcess::Options o = options(std::move(args), terminal);
        o.environment.push_back("ZCAD_DWG_HELPER=" + path("helper"));
        o.environment.push_back("ZCAD_NODE=" + path("node"));
        return o;
    }

    int run(std::vector<std::string> args) {
        ZcadProcess zcad(dwgOptions(std::move(args)));
        const int status = zcad.wait(60);
        output_ = zcad.output();
        return status;
    }

    // The stand-in that hangs has started its child.
    void waitForTheSleeper() const {
        for (int i = 0; i < 200 && read(path("sleeper")).empty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }

    static constexpr const char* kDwgBytes = "AC1032 stands for a drawing";
};

TEST_F(Dwg, OpenedAsDxfWithItsReportAndSavedBesideIt) {
    standIn("cp \"$(dirname \"$0\")/small.dxf\" \"$4\"\nprintf 'release R2018\\nentities 7\\nlost WIPEOUT 2\\n'");
    write(path("run.scr"), "OPEN\nplan.dwg\nSAVE\nSAVEAS copy.dwg\n");
    EXPECT_EQ(run({"--no-module", "--script", path("run.scr"), "--keep-going"}), 1) << output_;
    EXPECT_NE(output_.find("plan.dwg: DWG R2018 converted to DXF: 2 entities; not converted: WIPEOUT 2\n"),
              std::string::npos) << output_;
    EXPECT_NE(output_.find("Opened plan.dwg as plan.dxf"), std::string::npos) << output_;
    EXPECT_NE(output_.find("Saved plan.dxf"), std::string::npos) << output_;
    EXPECT_NE(output_.find("Not saved: zcad writes DXF, not DWG"), std::string::npos) << output_;
    EXPECT_EQ(read(path("plan.dwg")), kDwgBytes);
    EXPECT_FALSE(std::filesystem::exists(path("copy.dwg")));
    EXPECT_NE(read(path("plan.dxf")).find("CIRCLE"), std::string::npos);

    // From the command line, saved where --save says, and never as DWG.
    EXPECT_EQ(run({"--no-module", "--drawing", path("plan.dwg"), "--save", path("out.dxf")}), 0) << output_;
    EXPECT_NE(read(path("out.dxf")).find("CIRCLE"), std::string::npos);
    EXPECT_EQ(run({"--no-module", "--drawing", path("plan.dwg"), "--save", path("plan.dwg")}), 4) << output_;
    EXPECT_NE(output_.find("zcad writes DXF, not DWG"), std::string::npos) << output_;
    EXPECT_EQ(read(path("plan.dwg")), kDwgBytes);
}

TEST_F(Dwg, WhatIsMissingOrRefusedIsSaidAndTheDrawingNotRead) {
    // No Node where it is named: how to install it, exit status 3.
    EXPECT_EQ(run({"--no-module", "--drawing", path("plan.dwg")}), 3) << output_;
    EXPECT_NE(output_.find("Node.js is not installed (run scripts/install-dwg once"), std::string::npos) << output_;

    standIn("echo 'zcad-dwg: the package @mlightcad/libredwg-web is not installed beside the helper' >&2\nexit 3");
    EXPECT_EQ(run({"--no-module", "--drawing", path("plan.dwg")}), 3) << output_;
    EXPECT_NE(output_.find("not installed beside the helper (run scripts/install-dwg"), std::string::npos) << output_;

    standIn("echo 'zcad-dwg: not a DWG drawing' >&2\nexit 2");
    EXPECT_EQ(run({"--no-module", "--drawing", path("plan.dwg")}), 3) << output_;
    EXPECT_NE(output_.find("plan.dwg: the DWG helper cannot read the drawing: not a DWG drawing"), std::string::npos)
        << output_;

    standIn("kill -ABRT $$");
    EXPECT_EQ(run({"--no-module", "--drawing", path("plan.dwg")}), 3) << output_;
    EXPECT_NE(output_.find("plan.dwg: cannot open the drawing: the DWG helper crashed (SIGABRT)"), std::string::npos)
        << output_;

    // A script's OPEN that fails is a failed line; the drawing stays as it was.
    write(path("run.scr"), "OPEN\nplan.dwg\n");
    EXPECT_EQ(run({"--no-module", "--script", path("run.scr")}), 1) << output_;
}

TEST_F(Dwg, TheBreakKeyStopsAConversionAndZcadGoesOn) {
    standIn("sleep 60 &\necho $! > \"$(dirname \"$0\")/sleeper\"\nwait");
    ZcadProcess zcad(dwgOptions({"--no-module"}, true));
    ASSERT_TRUE(zcad.waitFor("Command: ")) << zcad.output();
    zcad.type("OPEN plan.dwg\r");
    waitForTheSleeper();
    ASSERT_FALSE(read(path("sleeper")).empty()) << zcad.output();
    zcad.type("\x03");
    ASSERT_TRUE(zcad.waitFor("the conversion was broken off", 10)) << zcad.output();
    ASSERT_TRUE(zcad.waitFor("Command: ")) << zcad.output();
    zcad.type("QUIT\r");
    EXPECT_EQ(zcad.wait(), 0) << zcad.output();
    const std::string stat = read("/proc/" + std::string(read(path("sleeper")).c_str()).substr(0, 12) + "/stat");
    EXPECT_TRUE(stat.empty() || stat.find(") Z ") != std::string::npos) << "the conversion outlived the break";
}

TEST_F(Dwg, TheBreakKeyStopsTheConversionOfTheCommandLinesDrawing) {
    standIn("sleep 60 &\necho $! > \"$(dirname \"$0\")/sleeper\"\nwait");
    ZcadProcess::Options o = dwgOptions({"--no-module", "--drawing", path("plan.dwg")});
    o.environment.push_back("TMPDIR=" + path(""));
    ZcadProcess zcad(o);
    waitForTheSleeper();
    ASSERT_FALSE(read(path("sleeper")).empty()) << zcad.output();
    zcad.signal(SIGINT);
    EXPECT_EQ(zcad.wait(10), 3) << zcad.output();
    EXPECT_NE(zcad.output().find("plan.dwg: not opened: the conversion was broken off"), std::string::npos)
        << zcad.output();
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
        EXPECT_FALSE(entry.path().filename().string().starts_with("zcad-dwg-")) << "scratch left: " << entry.path();
}

}  // namespace
