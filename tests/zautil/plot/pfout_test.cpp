// PFOUT as the user meets it: the name checks, the records it writes for
// each kind of entity, the tables it adds to, and its failures.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <platform/dialog.h>

#include "plot/plot_import.h"
#include "plot/plot_layout.h"
#include "plot_export_fixture.h"
#include "settings/za_env.h"
#include "shell/text_create.h"
#include "zcad/group_list.h"
#include "zcad/host_test.h"

namespace {

using testing::HasSubstr;
using testing::Not;

struct XY {
    double x, y;
};

void text(const char* value, XY at10, XY at11, int horizontal, int vertical, const char* layer = "ROAD") {
    const ads_point p10 = {at10.x, at10.y, 0}, p11 = {at11.x, at11.y, 0};
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "TEXT", 8, layer, 1, value, 10, p10, 11, p11, 40, 2.5, 50, 0.5, 72,
                                       horizontal, 73, vertical, 0)),
              RTNORM);
}

class Pfout : public PlotExportTest {};

TEST_F(Pfout, TheNameMustBeAPlotFileOfEightCharacters) {
    ASSERT_EQ(makeLine(0, 0, 1, 1, "ROAD"), RTNORM);
    struct Case {
        const char* name;
        const char* box;  // null: accepted; "": refused without a message of its own
        bool restrict = true;
    };
    const Case cases[] = {
        {"abcdefgh.P01", "The extension entered is not valid."},
        {"abcdefgh.b01", "The extension entered is not valid."},
        {"abcdefgh.p1", "Please ensure that file extension is 3 characters. (Example:demofile.a11)"},
        {"abcdefgh", ""},
        {"abc.p01", "The filename has to be 8 characters."},
        {"abc.p01", nullptr, false},
        {"abcdefgh.p01", nullptr},
        {"abcdefgh.x99", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        zaSettings().restrictFileNameLength = c.restrict;
        output_.clear();
        const std::size_t boxes = driver().boxes().size();
        const auto lines = pfout(c.name);
        if (!c.box) {
            EXPECT_EQ(types(lines), "3 4 5 1 2 0");
            EXPECT_THAT(output_, HasSubstr("*PFOut Completed*\n"));
            std::filesystem::remove(dir_ + c.name);
            continue;
        }
        EXPECT_TRUE(lines.empty());
        const std::size_t shown = *c.box ? 2 : 1;
        ASSERT_EQ(driver().boxes().size(), boxes + shown);
        if (*c.box) {
            EXPECT_EQ(driver().boxes()[boxes].box.text, c.box);
        }
        EXPECT_EQ(driver().boxes().back().box.text, "Pfout cancelled");
        EXPECT_THAT(output_, HasSubstr("*PFOut Cancelled  (Maybe file not correct extension)*\nCheck if plot.lay "
                                       "exists\nCheck if plot.pen exists\nCheck if Zarvo installed\n"));
    }
    const zplat::FileRequest& request = driver().fileRequests().at(0);
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.fileName, "unknownf.xx1");  // the current job
}

TEST_F(Pfout, LayerRecordsComeOnlyWhenTheLayerChangesAndTheTablesLearnNewLayers) {
    ASSERT_EQ(makeLine(0, 0, 1, 1, "ROAD"), RTNORM);
    ASSERT_EQ(makeLine(1, 1, 2, 2, "ROAD"), RTNORM);
    ASSERT_EQ(makeLine(2, 2, 3, 3, "KERB"), RTNORM);
    ASSERT_EQ(makeLine(3, 3, 4, 4, "ROAD"), RTNORM);
    const auto lines = pfout("abcdefgh.p01", {"Yes"});
    EXPECT_EQ(types(lines), "3 4 5 1 2 1 2 3 4 5 1 2 3 4 5 1 2 0");
    EXPECT_EQ(kZaWidePlotLayout.integer(lines[4], ZaPlotField::Code), 3);  // ROAD's pen from plot.pen
    EXPECT_EQ(kZaWidePlotLayout.integer(lines[6], ZaPlotField::Code), 5);
    EXPECT_EQ(kZaWidePlotLayout.integer(lines[11], ZaPlotField::Code), 1);  // KERB: a new pen, no pen.tbl
    EXPECT_EQ(kZaWidePlotLayout.integer(lines[13], ZaPlotField::Code), 6);  // the next layer code
    EXPECT_THAT(output_, HasSubstr("Layer 'KERB' is new, add to pen file, Yes, No, All, None ? "));
    // The questions come after the export is complete.
    EXPECT_LT(output_.find("*PFOut Completed*"), output_.find("Layer 'KERB' is new"));
    const std::string lay = read(install_ + "plot.lay");
    EXPECT_EQ(lay.substr(lay.find("\r\n") + 2), plotLay({{5, 3, 1, "ROAD", "ROADTXT", "standard"},
                                                         {6, 0, 0, "KERB", "KERB", "STANDARD"}})
                                                     .substr(21));
    EXPECT_EQ(read(install_ + "plot.pen"),
              kPenHeader + "ROAD,3,0,1,0.350000,000007\r\nKERB,1,0,1,0.001000,000007\r\n/////\r\n");
}

// Closed and open polylines of both kinds come back through the round trip
// (pfout_round_trip_test); a mesh's face records are not drawn.
TEST_F(Pfout, APolylineClosesBackToItsFirstVertexWithoutItsFaceRecords) {
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "POLYLINE", 8, "ROAD", 66, 1, 70, 1, 0)), RTNORM);
    // Vertex flags 128 alone mark a mesh's face record, which has no place.
    const ads_point at[] = {{1, 1, 0}, {2, 1, 0}, {2, 2, 0}, {0, 0, 0}, {0, 0, 0}};
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "VERTEX", 8, "ROAD", 10, at[i], 70, i < 3 ? 0 : 128, 0)), RTNORM);
    }
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "SEQEND", 8, "ROAD", 0)), RTNORM);
    const auto lines = pfout("abcdefgh.p01");
    EXPECT_EQ(types(lines), "3 4 5 1 2 2 2 0");
    EXPECT_EQ(kZaWidePlotLayout.real(lines[10], ZaPlotField::X), 1);
    EXPECT_EQ(kZaWidePlotLayout.real(lines[10], ZaPlotField::Y), 1);
}

// A vertex that cannot be read ends its polyline there and says so; no
// point is made up for it.
TEST_F(Pfout, AVertexWithoutItsPointEndsThePolyline) {
    const auto store = [this](const char* type, bool point, double x) {
        std::vector<std::uint8_t> bytes;
        zcad::GroupWriter w(bytes);
        w.string(0, type);
        w.string(8, "ROAD");
        if (point) w.point(10, x, 5, 0);
        db().append(bytes);
    };
    store("POLYLINE", false, 0);
    store("VERTEX", true, 1);
    store("VERTEX", true, 2);
    store("VERTEX", false, 0);
    store("VERTEX", true, 4);
    store("SEQEND", false, 0);
    const auto lines = pfout("abcdefgh.p01");
    EXPECT_EQ(types(lines), "3 4 5 1 2 0");
    EXPECT_THAT(output_, HasSubstr("\nzaOnGetPolyline() - end with 0 - NULL entity item\n"));
}

// Unlike the string exports, the plot file takes an entity's points as the
// entity holds them, in its own system: a circle drawn from below keeps
// its x, as the plot import draws it back.
TEST_F(Pfout, PointsAreWrittenAsTheEntityHoldsThem) {
    const ads_point centre = {5, 6, 0}, below = {0, 0, -1};
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "CIRCLE", 8, "ROAD", 10, centre, 40, 2.0, 210, below, 0)), RTNORM);
    const auto lines = pfout("abcdefgh.p01");
    EXPECT_EQ(types(lines), "3 4 5 8 0");
    EXPECT_EQ(kZaWidePlotLayout.real(lines[7], ZaPlotField::X), 5);
}

TEST_F(Pfout, TextsComeOnlyWhenAskedForAtThePointTheirJustificationNames) {
    ASSERT_EQ(makeLine(0, 0, 1, 1, "ROAD"), RTNORM);
    text("left", {1, 2}, {9, 9}, 0, 0, "NOTES");
    zaSettings().xyzCreatePoint = false;
    EXPECT_EQ(types(pfout("abcdefgh.p01", {"Yes"})), "3 4 5 1 2 0");  // nor NOTES's layer records
    EXPECT_THAT(read(install_ + "plot.pen"), Not(HasSubstr("NOTES")));

    zaSettings().xyzCreatePoint = true;
    // Horizontal and vertical, the code written and the point it stands at.
    struct Case {
        int h, v;
        const char* code;
        bool at11;
    };
    const Case cases[] = {
        {0, 0, "00", false}, {0, 1, "00", false}, {0, 3, "02", true}, {1, 0, "10", true}, {1, 2, "11", true},
        {2, 1, "20", true},  {2, 2, "21", true},  {4, 0, "11", true}, {4, 2, "11", true}, {3, 0, "00", false},
        {5, 0, "00", false}, {9, 9, "00", false},
    };
    for (const Case& c : cases) text("t", {1, 2}, {30, 40}, c.h, c.v);
    const ads_point insertion = {7, 8, 0}, direction = {0, 1, 0};
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "MTEXT", 8, "ROAD", 10, insertion, 40, 1.5, 3,
                                       "a first part that is long enough", 1, " and the rest", 71, 9, 72, 1, 73, 1, 11,
                                       direction, 0)),
              RTNORM);
    const auto lines = pfout("bcdefghi.p01", {"Yes"});
    std::vector<std::size_t> records;  // of the texts, in order
    for (std::size_t i = 4; i < lines.size(); ++i) {
        if (lines[i].starts_with(" 6")) records.push_back(i++);
    }
    ASSERT_EQ(records.size(), std::size(cases) + 2);
    EXPECT_EQ(lines[records[0] + 1], "left");
    std::size_t at = 0;
    for (const Case& c : cases) {
        at = records[&c - cases + 1];
        SCOPED_TRACE(std::to_string(c.h) + "," + std::to_string(c.v));
        EXPECT_EQ(lines[at].substr(2, 3), std::string(" ") + c.code);
        EXPECT_EQ(kZaWidePlotLayout.real(lines[at], ZaPlotField::X), c.at11 ? 30 : 1);
        EXPECT_NEAR(kZaWidePlotLayout.real(lines[at], ZaPlotField::Angle), 28.6478898, 1e-6);  // 0.5 radians
        EXPECT_EQ(kZaWidePlotLayout.integer(lines[at], ZaPlotField::LineCount), 1);
    }
    // MTEXT: bottom right at its insertion point, turned by its direction,
    // its text cut to the field and said so.
    at = records.back();
    EXPECT_EQ(lines[at].substr(2, 3), " 20");
    EXPECT_EQ(kZaWidePlotLayout.real(lines[at], ZaPlotField::X), 7);
    EXPECT_EQ(kZaWidePlotLayout.real(lines[at], ZaPlotField::Angle), 90);
    EXPECT_EQ(lines[at + 1], "a first part that is long enoug");
    EXPECT_THAT(output_, HasSubstr("cut to its first 31 characters: \"a first part that is long enoug\""));
    EXPECT_THAT(output_, HasSubstr("1 texts cut to 31 characters\n"));
}

// Each justification the text builder knows comes back from PFOUT and PFIN
// as it was: the code written is the code read.
TEST_F(Pfout, EveryJustificationSurvivesExportAndImport) {
    const int modes[] = {0, 1, 2, 10, 11, 12, 20, 21, 22};
    write(install_ + "plot.lay", plotLay({{5, 0, 0, "ROAD", "ROAD", "standard"}}));
    for (const int mode : modes) {
        ZaTextRecord record;
        record.text = "Kerb 12";
        record.point = {100.0 + mode, 200.0, 0.0};
        record.height = 2.5;
        record.rotation = 30;
        record.layer = "ROAD";
        record.mode = mode;
        ASSERT_TRUE(zaMakeText(record)) << mode;
    }
    const auto made = storedEntities();
    pfout("abcdefgh.p01");
    zcad::test::resetHost();
    ZaPlotImport import;
    import.readPlotFile(dir_ + "abcdefgh.p01");
    const auto back = storedEntities();
    ASSERT_EQ(back.size(), made.size());
    for (std::size_t i = 0; i < made.size(); ++i) {
        SCOPED_TRACE(modes[i]);
        EXPECT_EQ(back[i].integer(72), made[i].integer(72));
        EXPECT_EQ(back[i].integer(73), made[i].integer(73));
        for (int k = 0; k < 2; ++k) {
            EXPECT_NEAR(back[i].point(11)[k], made[i].point(11)[k], 1e-9);
            EXPECT_NEAR(back[i].point(10)[k], made[i].point(10)[k], 1e-6);
        }
        EXPECT_NEAR(back[i].real(50), made[i].real(50), 1e-9);
        EXPECT_EQ(back[i].text(1), "Kerb 12");
        EXPECT_EQ(back[i].text(8), "ROAD");
    }
}

TEST_F(Pfout, AFileThatCannotBeWrittenIsReportedAndNotCompleted) {
    ASSERT_EQ(makeLine(0, 0, 1, 1, "KERB"), RTNORM);
    const std::string pen = read(install_ + "plot.pen");
    pfout("missing/abcdefgh.p01");
    const std::string cannot = "Error writing '" + dir_ + "missing/abcdefgh.p01' symbol file";
    EXPECT_THAT(output_, HasSubstr("\n" + cannot + "\nNo such file or directory\n"));
    EXPECT_THAT(output_, HasSubstr("\n** " + cannot + " **\n"));  // the alert
    EXPECT_THAT(output_, Not(HasSubstr("Completed")));
    EXPECT_EQ(read(install_ + "plot.pen"), pen);  // written back, and nothing learnt

    // A disk that fills part way is said; a device is written where it is.
    std::filesystem::create_symlink("/dev/full", dir_ + "fullfull.p01");
    for (int i = 0; i < 5000; ++i) ASSERT_EQ(makeLine(i, 0, i, 1, "ROAD"), RTNORM);
    output_.clear();
    driver().answerNextFile(dir_ + "fullfull.p01");
    driver().answerNextBox(zplat::IDYES);  // replace it
    answer({"ALL", "", "Yes"});
    zaPFOUT();
    EXPECT_THAT(output_, HasSubstr("symbol file\nNo space left on device\n"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir_ + "fullfull.p01"));
    // The pen table still hears of the new layer, at the end of the command.
    EXPECT_THAT(read(install_ + "plot.pen"), HasSubstr("KERB,1,0,1,0.001000,000007\r\n"));
}

TEST_F(Pfout, EndsEarlyWithoutInstallationTablesFileOrSelection) {
    driver().answerNextFile(std::nullopt);
    zaPFOUT();
    EXPECT_THAT(output_, HasSubstr("*PFOut Cancelled*\n"));

    driver().answerNextFile(dir_ + "abcdefgh.p01");
    answer({"*Cancel*"});
    output_.clear();
    zaPFOUT();
    EXPECT_FALSE(std::filesystem::exists(dir_ + "abcdefgh.p01"));
    EXPECT_THAT(output_, Not(HasSubstr("PFOut")));

    write(install_ + "plot.lay", "not a layer table\r\n");
    ASSERT_EQ(makeLine(0, 0, 1, 1, "ROAD"), RTNORM);
    pfout("abcdefgh.p01");
    EXPECT_THAT(output_, HasSubstr("\nCorrupt plot layer file '" + install_ + "plot.lay': no plot file written\n"));
    EXPECT_FALSE(std::filesystem::exists(dir_ + "abcdefgh.p01"));

    std::filesystem::remove(install_ + "plot.pen");
    output_.clear();
    zaPFOUT();
    EXPECT_THAT(output_, HasSubstr("*PFOut Cancelled  (Maybe file not correct extension)*\n"));
    ::unsetenv("ZARV$PROG");
    zaPFOUT();
    EXPECT_THAT(output_, HasSubstr("\nCould not find Zarvo installation directory.\n"));
    EXPECT_EQ(driver().fileRequests().size(), 3u);
}

TEST_F(Pfout, StoresTheFileAsTheCurrentJobWhenSetTo) {
    zaSettings().saveJobPFOUT = true;
    ASSERT_EQ(makeLine(0, 0, 1, 1, "ROAD"), RTNORM);
    pfout("abcdefgh.pa2");
    EXPECT_THAT(output_, HasSubstr("\n*Plot file file has been saved as current job.*\n*PFOut Completed*\n"));
    EXPECT_EQ(ZsAcEnviron().currentJob, dir_ + "abcdefgh.xx2");
}

TEST_F(Pfout, AStoppedOrFailedExportKeepsThePreviousFileAndBlamesTheRightOne) {
    for (int i = 0; i < 40; ++i) ASSERT_EQ(makeLine(i, 0, i, 1, "ROAD"), RTNORM);
    const std::string before = "previous plot file\r\n";
    write("abcdefgh.p01", before);
    driver().answerNextBox(zplat::IDYES);  // replace it
    zcad::test::breakAfterPolls(1);
    pfout("abcdefgh.p01");
    zcad::test::breakAfterPolls(0);
    EXPECT_THAT(output_, HasSubstr("Plot file '" + dir_ + "abcdefgh.p01' not written\n"));
    EXPECT_EQ(read(dir_ + "abcdefgh.p01"), before);

    // A directory where nothing may be written: the plot file is the one named.
    if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    std::filesystem::create_directory(dir_ + "locked");
    write("locked/abcdefgh.p01", before);
    ::chmod((dir_ + "locked").c_str(), 0555);
    output_.clear();
    driver().answerNextBox(zplat::IDYES);
    pfout("locked/abcdefgh.p01");
    ::chmod((dir_ + "locked").c_str(), 0755);
    EXPECT_THAT(output_, HasSubstr("Error writing '" + dir_ + "locked/abcdefgh.p01' symbol file\nPermission denied\n"));
    EXPECT_THAT(output_, Not(HasSubstr("An error occured writing")));  // the pen table's words
    EXPECT_THAT(output_, Not(HasSubstr("Completed")));
    EXPECT_EQ(read(dir_ + "locked/abcdefgh.p01"), before);
}

TEST_F(Pfout, AFolderIsNotTakenForThePlotFile) {
    ASSERT_EQ(makeLine(0, 0, 1, 1, "ROAD"), RTNORM);
    std::filesystem::create_directory(dir_ + "abcdefgh.p01");
    driver().answerNextFile(dir_ + "abcdefgh.p01");
    driver().answerNextFile(std::nullopt);
    zaPFOUT();
    EXPECT_THAT(output_, HasSubstr("*PFOut Cancelled*\n"));
    EXPECT_THAT(output_, Not(HasSubstr("Maybe file not correct extension")));
    EXPECT_TRUE(std::filesystem::is_directory(dir_ + "abcdefgh.p01"));
}

}  // namespace
