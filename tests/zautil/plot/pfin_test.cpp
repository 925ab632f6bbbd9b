#include <string>
#include <vector>

#include "plot/pfin.h"
#include "plot_export_fixture.h"
#include "plot_records.h"
#include "settings/za_env.h"

namespace {

class Pfin : public PlotTest {
protected:
    void SetUp() override {
        PlotTest::SetUp();
        ZaSettings& settings = zaSettings();
        settings.colourLayers = true;
        settings.textHeight = "2.5";
        settings.textWidthRatio = "0.8";
        settings.textAngle = "10";
        settings.textFont = "txt.shx";
        settings.textFontPreference = true;
        settings.saveJobPFIN = false;
        tables({{0, 0, 0, "PLAN", "PLANTXT", "standard"}, {5, 0, 0, "ROAD", "ROADTXT", "standard"},
                {9, 0, 0, "KERB", "KERB", "standard"}});
    }
    // Runs PFIN choosing the file; what it printed from the choice on.
    std::string pfin(const std::string& plotFile) {
        driver().answerNextFile(plotFile);
        zaPFIN();
        const auto chosen = output_.find("\nThe selected plot file");
        return chosen == std::string::npos ? output_ : output_.substr(chosen);
    }
};

TEST_F(Pfin, ImportsColoursSummarisesAndZooms) {
    const std::string plot = write("job.p01", narrow(5, 5) + move(0, 0) + draw(100, 0) + draw(100, 50) + narrow(5, 9) +
                                                  narrow(6, 0, 10, 10, 2, 0, 1) + "kerb text\r\n" + narrow(0));
    const std::string out = pfin(plot);
    EXPECT_EQ(storedTypes(), "POLYLINE VERTEX VERTEX VERTEX SEQEND TEXT ");
    const std::string opening = "\nThe selected plot file is " + plot + ".\nplot lay file " + install_ +
                                "plot.lay \nplot pen file " + install_ + "plot.pen \nLoading file " + install_ +
                                "plot.lay \n\nStart line 0\n\rAt line 1\n";
    EXPECT_EQ(out.substr(0, opening.size()), opening);
    EXPECT_NE(out.find("\nNumber of lines read 8 \n\nNumber of layers 3\n"), std::string::npos);
    EXPECT_NE(out.find("\nImport 8 lines complete in "), std::string::npos);
    EXPECT_EQ(out.find("lines per second"), std::string::npos);  // too short to time
    EXPECT_NE(out.find("\n\rEast          0.000         100.000\n\rNorth         0.000          50.000\n\n"),
              std::string::npos);
    EXPECT_TRUE(out.ends_with("\n*ImportPlotFile - Completed*\n"));
    EXPECT_EQ(layerColour("ROAD"), 1);
    EXPECT_EQ(layerColour("KERB"), 151);  // its text, on its line layer, which nothing else coloured
    EXPECT_NEAR(db().view.centre[0], 50, 1e-6);
    EXPECT_NEAR(db().view.centre[1], 25, 1e-6);
    // The text style was set up before the dialog.
    EXPECT_LT(output_.find("Use text style \"txt.shx\"\nHeight 2.50  Xratio 0.80  Oblique Angle 0.17\n"),
              output_.find("\nThe selected plot file"));

    const zplat::FileRequest& request = driver().fileRequests().at(0);
    EXPECT_EQ(request.initialDir + "/", install_);  // the current job is the installation's unknownf.xx1
    EXPECT_EQ(request.fileName, "unknownf.p11");
}

TEST_F(Pfin, ALongFileIsOnePolylineAndAFlatOneZoomsToExtents) {
    std::string text = move(5, -1);
    for (int i = 1; i <= 20000; ++i) text += draw(5, i % 100);
    const std::string out = pfin(write("flat.p01", text));
    EXPECT_NE(out.find("\nNumber of lines read 20001 \n"), std::string::npos);
    EXPECT_EQ(out.find("East"), std::string::npos);
    EXPECT_EQ(storedEntities().size(), 20003u);
}

TEST_F(Pfin, EndsWithItsMessageWithoutTheInstallationItsTablesOrAFile) {
    driver().answerNextFile(std::nullopt);
    zaPFIN();
    EXPECT_TRUE(printed("\n*ImportPlotFile - Cancelled*\n"));

    write(install_ + "plot.lay", "not a layer table\r\n");
    const std::string plot = write("job.p01", move(0, 0) + draw(1, 1));
    EXPECT_NE(pfin(plot).find("\nCorrupt '" + plot + "' plot (plot.dot.lay file)"), std::string::npos);
    EXPECT_EQ(storedTypes(), "");

    std::filesystem::remove(install_ + "plot.pen");
    zaPFIN();
    EXPECT_TRUE(printed("\nThe Zarvo Software system file plot.pen does not exist.  Contact vendor"));
    std::filesystem::remove(install_ + "plot.lay");
    zaPFIN();
    EXPECT_TRUE(printed("\nThe Zarvo Software system file plot.lay does not exist.  Contact vendor"));
    ::unsetenv("ZARV$PROG");
    zaPFIN();
    EXPECT_TRUE(printed("\nCould not find Zarvo installation directory."));
    EXPECT_EQ(driver().fileRequests().size(), 2u);
}

TEST_F(Pfin, StoresTheFileAsTheCurrentJobWhenSetTo) {
    zaSettings().saveJobPFIN = true;
    const std::string out = pfin(write("abcdefgh.p01", move(0, 0) + draw(1, 1)));
    EXPECT_NE(out.find("\n*Plot Job has been saved as current job.*\n"), std::string::npos);
    EXPECT_EQ(ZsAcEnviron().currentJob, dir_ + "abcdefgh.xx1");
}

TEST_F(Pfin, AFileWithoutAPlotRecordIsAFailureAndUnreadableLinesAreCounted) {
    zaSettings().saveJobPFIN = true;
    const ZsAcEnviron before;
    std::string random(20000, '\0');
    std::uint32_t state = 12345u;
    for (char& c : random) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>((state >> 16) | 0x80);  // no digit, space or line end can start a record
    }
    random += "\nplain text\n\n";
    for (const std::string& bytes : {std::string(), random}) {
        output_.clear();
        const std::string plot = write("abcdefgh.p01", bytes);
        const std::string out = pfin(plot);
        EXPECT_NE(out.find("\nNo plot record could be read from '" + plot + "'\n"), std::string::npos) << out;
        EXPECT_EQ(out.find("Completed"), std::string::npos);
        EXPECT_EQ(out.find("saved as current job"), std::string::npos);
        EXPECT_EQ(ZsAcEnviron().currentJob, before.currentJob);
        EXPECT_EQ(storedTypes(), "");
    }
    EXPECT_TRUE(printed("\n3 lines could not be read as plot records and were passed over\n"));

    // Lines that are no record, among records, are counted and passed over;
    // they do not end the file as its end record does.
    output_.clear();
    // A draw without its place would end at 0,0; "2x" is no record type.
    const std::string out = pfin(write("mixed001.p01", move(0, 0) + "junk\r\n\r\n 2\r\n2x" + draw(1, 1).substr(2) +
                                                        draw(1, 1) + narrow(77) + narrow(0) + move(5, 5) + draw(6, 6)));
    EXPECT_EQ(storedTypes(), "LINE ");
    EXPECT_NE(out.find("\n5 lines could not be read as plot records and were passed over\n"), std::string::npos);
    EXPECT_TRUE(out.ends_with("\n*ImportPlotFile - Completed*\n"));
}

}  // namespace
