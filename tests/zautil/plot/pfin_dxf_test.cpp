// One plot file of every record type, imported and read back by ezdxf.
#include <cstdio>
#include <string>

#include "plot/plot_import.h"
#include "plot_export_fixture.h"
#include "plot_records.h"
#include "run_command.h"
#include "zcad/dxf.h"

namespace {

class PfinDxf : public PlotTest {
protected:
    void SetUp() override {
        PlotTest::SetUp();
        if (!haveEzdxf()) GTEST_SKIP() << "ezdxf is not installed for /usr/bin/python3";
        zaSettings().colourLayers = true;
        tables({{5, 0, 0, "ROAD", "ROADTXT", "standard"}, {9, 0, 0, "KERB", "KERBTXT", "standard"}});
    }
    // Imports the plot file, saves the drawing and has ezdxf check it.
    void importAndCheck(const std::string& name, const std::string& plot, const char* kind) {
        ZaPlotImport import;
        ASSERT_TRUE(import.ready()) << output_;
        import.readPlotFile(write(name, plot));
        std::string error;
        const std::string dxf = dir_ + name + ".dxf";
        ASSERT_TRUE(zcad::writeDxf(dxf, db(), nullptr, error)) << error;
        int status = 0;
        const std::string out =
            runCommand("/usr/bin/python3 " ZCAD_SOURCE_DIR "/tests/zautil/plot/check_plot_dxf.py " + dxf + " " + kind, status);
        EXPECT_EQ(status, 0) << out;
        EXPECT_EQ(out, "OK\n");
    }
};

TEST_F(PfinDxf, EveryRecordTypeLandsInTheDrawingAsExpected) {
    const std::string plot = narrow(12) + wide(3, 3) + wide(4, 1) + wide(5, 5) +  //
                             wide(1, 0, 0, 0) + wide(2, 0, 123456.789, 0) +       // a line
                             wide(1, 0, 0, 10) + wide(2, 0, 10, 10) + wide(2, 0, 10, 20) + wide(2, 0, 0, 20) +
                             wide(6, 0, 5, 5, 2.5, 0, 2) + "Hello\r\nWorld\x7f\r\n" +  //
                             wide(7) + wide(8, 0, 50, 50, 5) + wide(9, 0, 60, 60, 4, 0, 0, 1.5707963267948966) +
                             wide(10) + wide(11) + wide(13) + wide(5, 9) + wide(1, 0, 1, 1) + wide(2, 0, 2, 2) +
                             wide(0) + wide(1, 0, 7, 7) + wide(2, 0, 8, 8);
    importAndCheck("plan.p01", plot, "plan");
}

TEST_F(PfinDxf, AModelFileGivesA3DPolyline) {
    importAndCheck("hill.m01",
                   narrow(12) + wide(1, 0, 0, 0, 10.5) + wide(2, 0, 5, 0, 11.25) + wide(2, 0, 5, 5, 12) + wide(0),
                   "model");
}

}  // namespace
