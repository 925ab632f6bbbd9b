// HALOUT as the user meets it: picks and their answers, the file chosen
// with and without the dialog, the intervals, the shift alignment and its
// RV file, the current job, and every refusal ending with nothing written.
#include "alignment/halout.h"

#include <gmock/gmock.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "../layers/zarvo_fixture.h"
#include "alignment/prompt_halout_dlg.h"
#include "../drawing/polyline_drawing.h"
#include "settings/current_job.h"
#include "settings/settings_record.h"
#include "shell/entity_create.h"

namespace {

using testing::HasSubstr;
using testing::Not;

const double kQuarter = std::tan(std::numbers::pi / 8);
const std::vector<PolylineVertex> kRoad = {{0, 0, 0, 0}, {20, 0, 0, kQuarter}, {30, 10, 0, 0}, {30, 30, 0, 0}};

class Halout : public ZarvoTest {
protected:
    void SetUp() override {
        ZarvoTest::SetUp();
        ZaSettings& s = zaSettings();
        s.useDialogs = s.halGetShiftLine = s.halUseDefaults = s.saveJobHALOUT = false;
        s.coordinateUseDefaults = s.restrictFileNameLength = true;
        s.coordinatePreference = 0;
        s.halStraightInterval = 20;
        s.halCurveInterval = 10;
        makeLwPolyline(kRoad, road_);
    }
    // Runs the command with the lines answering its prompts.
    void run(std::vector<std::string> lines) {
        answer(std::move(lines));
        zaHALOUT();
        EXPECT_THAT(output_, testing::EndsWith("HAL output complete\n"));
    }
    std::vector<std::string> fileLines(const std::string& path) const {
        std::vector<std::string> lines;
        const std::string text = read(path);
        for (std::size_t at = 0; at < text.size();) {
            const auto end = text.find("\r\n", at);
            if (end == std::string::npos) break;
            lines.push_back(text.substr(at, end - at));
            at = end + 2;
        }
        return lines;
    }
    static std::string currentJob() {
        std::string job;
        zaGetCurrentJob(job);
        return job;
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(dir_ + name); }

    ads_name road_;
};

TEST_F(Halout, PickedNearItsEndTheRoadRunsFromThereAndBecomesTheCurrentJob) {
    zaSettings().saveJobHALOUT = true;
    driver().answerNextFile(dir_ + "road0001.h1A");
    run({"30,29", "", ""});
    EXPECT_THAT(output_, HasSubstr("\nZARVO Software HAL Export Ver V3.0.0  (Apr 2013)"
                                   "\nSelect pegged alignment (near start chainage): 30,29\n - 4 vertices"));
    EXPECT_THAT(output_, HasSubstr("start calcpath.\n"));
    EXPECT_THAT(output_, HasSubstr("\nEnter interval on straight <20.0>: \n"));
    EXPECT_THAT(output_, HasSubstr("\nWriting file: \"" + dir_ + "road0001.h1A\" as HAL transfer fileOutputs.\n"));
    EXPECT_THAT(output_, HasSubstr("Set file \"" + dir_ + "road0001.h1A\" as current job\n"));
    EXPECT_EQ(fileLines(dir_ + "road0001.h1A"),
              (std::vector<std::string>{
                  "HAL from ZARVO AutoCAD Interface", "HMOD  8  4",
                  "HT09      30.00000      30.00000       0.00000   0.000   0.000  20.000  10.000",
                  "HT09      30.00000       0.00000      10.00000   0.000   0.000  20.000  10.000",
                  "HT09       0.00000       0.00000       0.00000   0.000   0.000  20.000  10.000"}));
    EXPECT_FALSE(exists("road0001.rvA"));
    EXPECT_EQ(currentJob(), dir_ + "road0001.xxA");
    const auto& request = driver().fileRequests().at(0);
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.title, "Export Zarvo Horizontal Alignment (HALOut)");
    EXPECT_EQ(request.filter, "Horizontal Alignment Files (*.h1?)|*.h1?||");
}

TEST_F(Halout, TheSaveDialogOffersTheCurrentJobAndRefusesOtherNames) {
    ASSERT_TRUE(zaSetCurrentJob(dir_ + "survey12.urB"));
    const std::pair<const char*, const char*> refused[] = {
        {"survey12", "Please input the full filename including file extension."},
        {"survey12.h1", "The extension entered is not valid."},
        {"survey.h1A", "The filename has to be 8 characters."},
    };
    for (const auto& [name, message] : refused) {
        output_.clear();
        driver().answerNextFile(dir_ + name);
        run({"1,0"});
        EXPECT_EQ(driver().boxes().back().box.text, message);
        EXPECT_THAT(output_, HasSubstr("\n*HALOut Cancelled*\n"));
        EXPECT_THAT(output_, Not(HasSubstr("Enter interval")));
    }
    EXPECT_EQ(driver().fileRequests().at(0).fileName, "survey12.h1B");
    EXPECT_EQ(driver().fileRequests().at(0).initialDir + "/", dir_);

    zaSettings().restrictFileNameLength = false;
    driver().answerNextFile(dir_ + "survey.h1A");
    run({"1,0", "", ""});
    EXPECT_TRUE(exists("survey.h1A"));

    output_.clear();
    driver().answerNextFile(std::nullopt);
    run({"1,0"});
    EXPECT_THAT(output_, HasSubstr("\n*HALOut Cancelled*\n"));
}

TEST_F(Halout, IntervalsBelowOneAreRaisedAndWiderThanTheColumnAskedAgain) {
    zaSettings().halStraightInterval = 0.5;
    driver().answerNextFile(dir_ + "road0001.h1A");
    run({"1,0", "", "0.25"});
    EXPECT_THAT(output_, HasSubstr("\nEnter interval on straight <1.0>: "));
    EXPECT_THAT(fileLines(dir_ + "road0001.h1A").at(2), testing::EndsWith("   1.000   1.000"));

    driver().answerNextFile(dir_ + "road0001.h1A");
    driver().answerNextBox(zplat::IDYES);  // replace it
    run({"1,0", "2000", "-3", "0", "15", "*Cancel*"});
    EXPECT_THAT(output_, HasSubstr("\nValue must be 1000 or less.\n"));
    EXPECT_THAT(fileLines(dir_ + "road0001.h1A").at(2), testing::EndsWith("   1.000   1.000")) << "cancelled";

    driver().answerNextFile(dir_ + "road0001.h1A");
    driver().answerNextBox(zplat::IDYES);
    run({"1,0", "1000", "12.5"});
    EXPECT_THAT(fileLines(dir_ + "road0001.h1A").at(2), testing::EndsWith("1000.000  12.500"));
}

TEST_F(Halout, AShiftLineDrawnTheOtherWayGivesTheHT10LinesAndTheRVFile) {
    zaSettings().halGetShiftLine = true;
    ads_name shift;
    makeOldStylePolyline({{35, 30, 103, 0}, {35, 5, 102, 0}, {0, 5, 101, 0}}, shift, 8);
    driver().answerNextFile(dir_ + "road0001.h1A");
    run({"1,0", "35,20", "", ""});
    EXPECT_THAT(output_, HasSubstr("\nSelect shift alignment: 35,20\n - 3 vertices"));
    EXPECT_THAT(output_, HasSubstr("Outputs.\nOutputs.\n"));
    EXPECT_THAT(output_, HasSubstr("Verticals.\n\nWriting file: \"" + dir_ + "road0001.rvA\" \n"));
    const auto hal = fileLines(dir_ + "road0001.h1A");
    ASSERT_EQ(hal.size(), 8u);
    EXPECT_EQ(hal[1], "HMOD  7  4");
    EXPECT_EQ(hal[5], "HT10       0.00000       5.00000       0.00000   0.000   0.000  20.000  10.000");
    EXPECT_EQ(hal[7], "HT10      35.00000      30.00000       0.00000   0.000   0.000  20.000  10.000");
    EXPECT_EQ(fileLines(dir_ + "road0001.rvA"),
              (std::vector<std::string>{"JOB from ZARVO AutoCAD Interface",
                                        "LIMITS         0.0000        60.0000     0.000     0.000     0.000",
                                        "TAB02         0.0000       101.0000         0.0000",
                                        "TAB02        35.0000       102.0000         0.0000",
                                        "TAB02        60.0000       103.0000         0.0000"}));
}

TEST_F(Halout, PicksThatGiveNoAlignment) {
    run({""});
    EXPECT_THAT(output_, HasSubstr("no pegged alignment\n"));
    output_.clear();
    run({"*Cancel*"});
    EXPECT_THAT(output_, Not(HasSubstr("no pegged")));

    ASSERT_EQ(makeLine(100, 100, 200, 100), RTNORM);
    run({"150,100"});
    EXPECT_THAT(output_, HasSubstr("\nZARVO Software message <Entity not a POLYLINE\nLooking for lightweight polyline\n>"));

    // The keyword offered with the shift prompt names no alignment.
    zaSettings().useDialogs = true;
    run({"1,0", "Pegged"});
    EXPECT_THAT(output_, HasSubstr("acedEntSel() returned unrecognized value\nUnkown enitity in AutoCAD drawing\n"));

    ads_name closed;
    makeLwPolyline({{0, 50, 0, 0}, {10, 50, 0, 0}, {10, 60, 0, 0}}, closed, 1);
    run({"1,0", "5,50"});
    EXPECT_THAT(output_, HasSubstr("<Closed POLYLINES are not supported"));
    EXPECT_TRUE(driver().fileRequests().empty());
    EXPECT_THAT(driver().dialogsOpened(), Not(testing::Contains("AutoCAD to Zarvo: Export Horizontal Alignment")));
}

// The module's own open 2D polylines carry no group 70, as DXF lets a
// writer leave out flags of 0; they are alignments like any other.
TEST_F(Halout, APolylineWithoutFlagsIsAnOpenOne) {
    const ZaPoint points[] = {{0, 100, 0}, {50, 100, 0}};
    ASSERT_TRUE(zaMakePolyline(points, "ROAD"));
    driver().answerNextFile(dir_ + "road0002.h1A");
    run({"1,100", "", ""});
    EXPECT_THAT(output_, HasSubstr(" - 2 vertices"));
    EXPECT_TRUE(exists("road0002.h1A"));
}

TEST_F(Halout, AnAlignmentTheFilesCannotHoldWritesNothing) {
    ads_name far;
    makeLwPolyline({{2e8, 0, 0, 0}, {2e8 + 10, 0, 0, 0}}, far);
    run({"200000005,0"});
    EXPECT_THAT(output_, HasSubstr("<Pegged alignment cannot be written to the HAL file\nA value near (200000000.000, "
                                   "0.000) does not fit its column\nZarvo_AutoCAD user error\n>"));

    std::vector<PolylineVertex> zigzag;
    for (int i = 0; i < 1601; ++i) zigzag.push_back({1000.0 + i, i % 2 * 1.0, 0, 0});
    ads_name many;
    makeOldStylePolyline(zigzag, many);
    run({"1000,0"});
    EXPECT_THAT(output_, HasSubstr(" - 1600 vertices"));
    EXPECT_THAT(output_, HasSubstr("FixArcs(): Too many vertices"));

    ads_name point;
    makeLwPolyline({{0, 500, 0, 0}, {0, 500, 0, 0}}, point);
    run({"0,500"});
    EXPECT_THAT(output_, HasSubstr("<Pegged alignment has fewer than 2 vertices\nNothing to export\n"));
    EXPECT_TRUE(driver().fileRequests().empty());
}

TEST_F(Halout, AFileThatCannotBeWrittenIsReportedAndRecordsNoJob) {
    zaSettings().saveJobHALOUT = true;
    driver().answerNextFile(dir_ + "missing/road0001.h1A");
    run({"1,0", "", ""});
    EXPECT_THAT(output_, HasSubstr("<Cannot create H1 file\nMaybe access to directory restricted\nZarvo_AutoCAD filing problem>"));
    EXPECT_THAT(output_, Not(HasSubstr("Outputs.")));
    EXPECT_THAT(currentJob(), Not(HasSubstr("road0001")));

    // The RV file fails alone: the HAL file stays.
    zaSettings().halGetShiftLine = true;
    std::filesystem::create_directory(dir_ + "road0001.rvA");
    ads_name shift;
    makeLwPolyline({{0, 5, 0, 0}, {35, 5, 0, 0}}, shift);
    driver().answerNextFile(dir_ + "road0001.h1A");
    run({"1,0", "20,5", "", ""});
    EXPECT_THAT(output_, HasSubstr("<Cannot create RV file/r/nMaybe wrong access rights to directory\n"));
    EXPECT_EQ(fileLines(dir_ + "road0001.h1A").size(), 7u);
    EXPECT_EQ(currentJob(), dir_ + "road0001.xxA");
}

TEST_F(Halout, WithDialogsTheJobAndIntervalsComeFromTheExportDialog) {
    zaSettings().useDialogs = true;
    zaSettings().coordinateUseDefaults = false;
    driver().onNextDialog([](zplat::Dialog& d) { d.endDialog(zplat::IDOK); });  // the coordinate system
    driver().onNextDialog([this](zplat::Dialog& d) {
        d.setItemText(ZPromptHALOUTDlg::kDirectory, dir_);
        d.setItemText(ZPromptHALOUTDlg::kJobName, "road0002");
        d.setItemText(ZPromptHALOUTDlg::kRun, "C");
        d.setItemText(ZPromptHALOUTDlg::kStraight, "25");
        d.dispatch(zplat::IDOK, zplat::Notify::Clicked);
    });
    run({"1,0", ""});
    EXPECT_THAT(output_, Not(HasSubstr("Enter interval")));
    EXPECT_THAT(fileLines(dir_ + "road0002.h1C").at(2), testing::EndsWith("  25.000  10.000"));
    EXPECT_EQ(zaSettings().halStraightInterval, 25) << "kept for the next export";

    output_.clear();
    run({"1,0", ""});
    EXPECT_THAT(output_, HasSubstr("\n*HALOUT Cancelled*\n"));
}

}  // namespace
