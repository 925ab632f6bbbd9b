// URIN's import: strings, lone points, layers, refusals and failures.
#include <cmath>
#include <limits>
#include <string>

#include "string_import_fixture.h"
#include "string_import/ur_report.h"

using namespace zastrings;
using namespace zastringimport;

class URImportTest : public StringImportTest {};

TEST_F(URImportTest, StringsBecomePolylinesAndOneRecordStringsPoints) {
    const auto path = writeUR("survey01.ur1", {rec(1, 10, 20, 1.5, "RD  S 1"), rec(1, 11, 21, 2.5, "KB"),
                                               rec(0, 5, 6, 7, "TREE"), rec(2, 30, 40, 3, "FP")});
    ASSERT_TRUE(importUR(path)) << output_;
    EXPECT_EQ(drawn(), "POLYLINE@RD__S_1 VERTEX@RD__S_1 VERTEX@RD__S_1 SEQEND@RD__S_1 POINT@TREE POINT@FP");
    const auto all = storedEntities();
    // A 2D string lies at elevation 0, its vertices keep their levels.
    EXPECT_EQ(all[0].point(10), (ZaPoint{0, 0, 0}));
    EXPECT_EQ(all[0].integer(70), 0);
    EXPECT_EQ(all[2].point(10), (ZaPoint{11, 21, 2.5}));
    EXPECT_EQ(all[5].point(10), (ZaPoint{30, 40, 3}));
    EXPECT_NE(output_.find("URIN at end of file at 4 in "), std::string::npos);
    EXPECT_FALSE(zcad::test::sequenceOpen());
}

TEST_F(URImportTest, ARecordWhoseCoordinatesAreNoNumbersIsPassedOverAndSaid) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    ASSERT_TRUE(importUR(writeUR("survey01.ur1", {rec(1, 0, 0, 0), rec(1, nan, 1, 1), rec(1, 2, 2, 2),
                                                  rec(0, 3, inf, 0), rec(0, 4, 4, -inf)})));
    EXPECT_EQ(drawn(), "POLYLINE@RD VERTEX@RD VERTEX@RD SEQEND@RD");
    for (const Stored& e : storedEntities()) {
        if (e.type == "VERTEX") {
            EXPECT_TRUE(std::isfinite(e.point(10)[0]) && std::isfinite(e.point(10)[1]));
        }
    }
    EXPECT_NE(output_.find("\n3 records with coordinates that are not numbers passed over\n"), std::string::npos);
}

TEST_F(URImportTest, SameNumbersJoinAndALonePointSplits) {
    ASSERT_TRUE(importUR(writeUR("survey01.ur1", {rec(5, 0, 0, 0, "RD"), rec(5, 1, 0, 0, "KB"), rec(5, 2, 0, 0, "FP"),
                                                  rec(0, 3, 0, 0, "TREE"), rec(5, 4, 0, 0, "KB"),
                                                  rec(5, 5, 0, 0, "KB")})));
    EXPECT_EQ(drawn(), "POLYLINE@RD VERTEX@RD VERTEX@RD VERTEX@RD SEQEND@RD POINT@TREE "
                       "POLYLINE@KB VERTEX@KB VERTEX@KB SEQEND@KB");
}

TEST_F(URImportTest, WithoutAddingLayersEverythingLandsOnTheCurrentLayer) {
    zaSettings().addLayers = false;
    zaSettings().colourLayers = true;
    ASSERT_TRUE(importUR(writeUR("survey01.ur1", {rec(1, 0, 0, 0, "RD"), rec(1, 1, 1, 0, "RD"), rec(0, 2, 2, 0, "KB")})));
    EXPECT_EQ(drawn(), "POLYLINE@0 VERTEX@0 VERTEX@0 SEQEND@0 POINT@0");
    EXPECT_EQ(layerNames(), std::vector<std::string>{"0"});
    // Slot 0 of the created list is layer 0, coloured all the same.
    EXPECT_EQ(layerColour("0"), 1);
}

TEST_F(URImportTest, FinishingColoursCreatedLayersShowsPointsAndZooms) {
    zaSettings().colourLayers = true;
    ASSERT_TRUE(importUR(writeUR("survey01.ur1", {rec(0, 100, 200, 0, "KB"), rec(0, 300, 500, 0, "FP"),
                                                  rec(0, 150, 250, 0, "KB")})));
    EXPECT_EQ(layerColour("0"), 1);
    EXPECT_EQ(layerColour("KB"), 151);
    EXPECT_EQ(layerColour("FP"), 7);
    const zcad::HeaderVar* pdmode = db().headerVar("$PDMODE");
    ASSERT_NE(pdmode, nullptr);
    EXPECT_EQ(pdmode->groups.at(0).integer, 3);
    EXPECT_NE(output_.find("\rEast        100.000         300.000\n"), std::string::npos) << output_;
    EXPECT_TRUE(db().view.set);
}

TEST_F(URImportTest, RefusedFilesLeaveTheDrawingUntouched) {
    const std::string good = read(writeUR("good0001.ur1", {rec(1, 0, 0, 0), rec(1, 1, 1, 1)}));
    std::string wrongCount = good;
    wrongCount[56] = 3;
    std::string wrongTag = good;
    wrongTag[0] = 'v';
    const std::string sized = "\nPoint records 2 sizeof 56 gives file size of 336 bytes\n";
    const struct {
        std::string bytes;
        const char* error;
        std::string printed;  // before the advice
        const char* shown;
    } cases[] = {
        {good.substr(0, 224), "Bad size for UR file", "\nWrong size \n", "Bad size for UR file"},
        {good.substr(0, 281), "Bad size for UR file", "\nWrong size \n", "Bad size for UR file"},
        {wrongTag, "Not a UR file", sized, "Not a UR file"},
        {wrongCount, "Points incorrect in UR file", sized,
         "\n\rPoints incorrect in UR file\nFile size and  number of points must agree\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        output_.clear();
        EXPECT_FALSE(importUR(write("bad00001.ur1", c.bytes)));
        EXPECT_EQ(error_, c.error);
        EXPECT_NE(output_.find(c.printed + "\nZARVO Software message <" + c.shown + ">\n"), std::string::npos)
            << output_;
        EXPECT_EQ(output_.find("Check file size."), std::string::npos);
    }
    output_.clear();
    EXPECT_FALSE(importUR(dir_ + "missing1.ur1"));
    EXPECT_EQ(error_, "Cannot open UR file");
    EXPECT_NE(output_.find("\n Cannot open UR file \n\nZARVO Software message <Cannot open UR file>\n"),
              std::string::npos);
    EXPECT_EQ(storedTypes(), "");
    EXPECT_EQ(layerNames(), std::vector<std::string>{"0"});
    EXPECT_EQ(output_.find("pdmode"), std::string::npos);
}

TEST_F(URImportTest, ABreakDropsTheStringBeingBuilt) {
    std::vector<StringRecord> records;
    for (int i = 0; i < 40; ++i) records.push_back(rec(1 + i / 10, i, i, 0));
    const auto path = writeUR("survey01.ur1", records);
    // Reports come at records 1 and 11: the second poll sees the break.
    zcad::test::breakAfterPolls(2);
    ASSERT_TRUE(importUR(path));
    EXPECT_EQ(error_, "User impatient. \nCancelling command...\n");
    EXPECT_NE(output_.find("WARNING: User Abort: UR file partially loaded"), std::string::npos);
    EXPECT_NE(output_.find("Aborting caused by \" User impatient."), std::string::npos);
    // The first string was whole when the break came; the second is dropped.
    EXPECT_EQ(count(storedTypes(), "VERTEX"), 10);
    EXPECT_EQ(count(storedTypes(), "POLYLINE"), 1);
    EXPECT_FALSE(zcad::test::sequenceOpen());
}

TEST_F(URImportTest, AFileCutShortWhileReadIsAdvisedWithItsOwnTexts) {
    // Only a file that changes while it is read ends inside its records
    // (the reader's tests cut one); here is what URIN then tells.
    std::string error;
    reportURFault(URFault::ShortRecord, error);
    EXPECT_EQ(error, "Bad or corrupt end to file");
    EXPECT_EQ(output_, "\nZARVO Software message <Unexpected EOF on UR file\nMaybe UR file has short record \n>\n");
}
