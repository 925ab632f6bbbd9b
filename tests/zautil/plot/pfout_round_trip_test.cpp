// PFOUT, PFIN and PQIN as zcad runs them from scripts: a drawing of every
// kind PFOUT writes comes back from its plot file the same, as ezdxf reads
// both drawings.
#include <fstream>
#include <iterator>
#include <string>

#include "plot_export_fixture.h"
#include "run_command.h"

namespace {

const std::string kChecker = "/usr/bin/python3 " ZCAD_SOURCE_DIR "/tests/zautil/plot/check_pfout_round_trip.py ";

class PfoutRoundTrip : public PlotTest {
protected:
    void SetUp() override {
        PlotTest::SetUp();
        if (!haveEzdxf()) GTEST_SKIP() << "ezdxf is not installed for /usr/bin/python3";
        tables({{5, 0, 0, "ROAD", "ROAD", "standard"}});
        // The demo's settings, with PFOUT making the plot file the current job.
        std::string settings = read(ZCAD_SOURCE_DIR "/examples/strings.reg");
        const std::string off = "\"Save Current Job - PFOUT\"=dword:00000000";
        settings.replace(settings.find(off), off.size(), "\"Save Current Job - PFOUT\"=dword:00000001");
        // The settings' font, which no style of the drawing is named for, so
        // PFIN's style set-up leaves STANDARD as it is: the host leaks the -3
        // group of a style whose font it has set, and LeakSanitizer would end
        // zcad with an error.
        const std::string drawingFont = "\"Text Font Preference\"=dword:00000000";
        settings.replace(settings.find(drawingFont), drawingFont.size(), "\"Text Font Preference\"=dword:00000001");
        write(dir_ + "registry.reg", settings);
    }
    // Runs zcad on the script's lines; what it printed.
    std::string zcad(const std::string& arguments, const std::string& script) {
        const std::string path = write("session.scr", script);
        int status = 0;
        // The shell passes on no variable of such a name; env can.
        const std::string out = runCommand("env 'ZARV$PROG'=" + install_ + " " ZCAD_BINARY_DIR "/zcad " + arguments +
                                               " --script " + path + " </dev/null",
                                           status);
        EXPECT_EQ(status, 0) << out;
        return out;
    }
    void expectSame(const std::string& back) {
        int status = 0;
        const std::string out = runCommand(kChecker + "check " + dir_ + "drawing.dxf " + back, status);
        EXPECT_EQ(status, 0) << out;
        EXPECT_EQ(out, "OK\n");
    }
};

TEST_F(PfoutRoundTrip, EveryKindComesBackThroughPfinAndThePlotQueue) {
    int status = 0;
    const std::string made = runCommand(kChecker + "make " + dir_ + "drawing.dxf", status);
    ASSERT_EQ(status, 0) << made;
    const std::string plot = dir_ + "roundtri.p01";
    const std::string exported = zcad("--drawing " + dir_ + "drawing.dxf", "PFOUT\n" + plot + "\nALL\n\nAll\n");
    ASSERT_NE(exported.find("*PFOut Completed*"), std::string::npos) << exported;
    const std::string pens = read(install_ + "plot.pen");
    for (const char* layer : {"\r\nROAD,", "\r\nKERB,", "\r\nLOTS,", "\r\nNOTES,"}) {
        EXPECT_NE(pens.find(layer), std::string::npos) << pens;
    }

    const std::string imported = zcad("--save " + dir_ + "back.dxf", "PFIN\n" + plot + "\n");
    ASSERT_NE(imported.find("*ImportPlotFile - Completed*"), std::string::npos) << imported;
    expectSame(dir_ + "back.dxf");

    // PFOUT made the file the current job, so the queue is of its directory.
    write("plot.que", ":PLOT.QUE:0\r\nroundtri.p01  # from PFOUT\r\n");
    const std::string queued =
        zcad("--save " + dir_ + "queued.dxf", "PQIN\nPlot files=roundtri.p01\nLoad File\n");
    ASSERT_NE(queued.find("*Import Plot.que Completed*"), std::string::npos) << queued;
    expectSame(dir_ + "queued.dxf");
}

}  // namespace
