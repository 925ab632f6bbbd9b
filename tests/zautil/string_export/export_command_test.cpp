// UROUT and TROUT as the user meets them: the selection, the coordinate
// system, the file and its name, the summary, the current job, and what a
// stopped export leaves behind.
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "settings/current_job.h"
#include "string_export_fixture.h"
#include "zcad/host_test.h"
#include <platform/dialog.h>
#include <platform/user_input.h>

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

class ExportCommand : public StringExportTest {
protected:
    void SetUp() override {
        StringExportTest::SetUp();
        const ads_point a = {100, 200, 5}, b = {110, 200, 6};
        ASSERT_EQ(make3DLine(a, b, "ROAD"), RTNORM);
        ASSERT_EQ(makePoint(105, 205, 7, "TREE"), RTNORM);
    }
    std::string currentJob() {
        std::string job;
        zaGetCurrentJob(job);
        return job;
    }
    // The file of an earlier export, to be kept by one that does not finish.
    std::string earlierFile(const std::string& name) {
        const std::string bytes = "previous " + name + "\r\n";
        write(name, bytes);
        driver().answerNextBox(zplat::IDYES);  // replace it
        return bytes;
    }
    // Only the named files are left in the directory: nothing written beside.
    std::vector<std::string> filesLeft() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

// The summary is checked end to end; here, which export records its job.
TEST_F(ExportCommand, OnlyTheExportWhoseSettingSaysSoRecordsItsFileAsTheJob) {
    zaSettings().saveJobUROUT = true;
    EXPECT_EQ(readUR(exportAll(true, "survey01.ur1")).size(), 3u);
    EXPECT_EQ(currentJob(), dir_ + "survey01.xx1");
    EXPECT_EQ(readTR(exportAll(false, "survey02.tr1")).size(), 3u);
    EXPECT_EQ(currentJob(), dir_ + "survey01.xx1");
}

TEST_F(ExportCommand, SelectionsThatGiveNothingToExport) {
    answer({"*Cancel*"});
    zaUROUT();
    EXPECT_TRUE(driver().fileRequests().empty());
    EXPECT_FALSE(printed("ZARVO Software message"));

    zcad::test::resetHost();
    answer({"ALL", ""});
    zaTROUT();
    EXPECT_TRUE(printed("ZARVO Software message <no selection\nZarvo_AutoCAD user error\n>"));
    EXPECT_TRUE(driver().fileRequests().empty());
}

TEST_F(ExportCommand, NamesThatAreNoJobFileOfTheKindAreRefused) {
    const std::pair<const char*, const char*> refused[] = {
        {"survey01", "Please input the full filename including file extension."},
        {"survey01.ur", "Please ensure that file extension is 3 characters."},
        {"survey01.ur12", "Please ensure that file extension is 3 characters."},
        {"survey01.tr1", "The extension entered is not valid."},
        {"survey01.UR1", "The extension entered is not valid."},
        {"survey1.ur1", "The filename has to be 8 characters."},
    };
    for (const auto& [name, message] : refused) {
        output_.clear();
        const std::string path = exportAll(true, name);
        EXPECT_EQ(driver().boxes().back().box.text, message);
        EXPECT_TRUE(printed("\n*UROut Cancelled*\n")) << name;
        EXPECT_FALSE(fs::exists(path)) << name;
    }
    zaSettings().restrictFileNameLength = false;
    EXPECT_EQ(readUR(exportAll(true, "survey1.ur1")).size(), 3u);

    driver().answerNextFile(std::nullopt);
    answer({"ALL", ""});
    zaTROUT();
    EXPECT_TRUE(printed("\n*TROut Cancelled*\n"));
}

TEST_F(ExportCommand, AFileThatCannotBeMadeIsSaid) {
    exportAll(true, "nodir/survey01.ur1");
    EXPECT_TRUE(printed("<Cannot open output file\nMaybe access to directory restricted\n>"));
    EXPECT_FALSE(printed("Records"));
}

TEST_F(ExportCommand, TheLocalSystemMovesEveryPointAndACancelledQuestionWritesNothing) {
    zaSettings().coordinateUseDefaults = false;
    db().setHeaderVar("$UCSORG", {zcad::OwnedGroup::point(10, 100, 200, 0)});
    driver().onNextDialog([](zplat::Dialog& d) {
        zplat::user::click(*d.item(1304));  // Local Coordinate System
        zplat::user::enter(d);
    });
    EXPECT_THAT(shown(readUR(exportAll(true, "survey01.ur1"))),
                testing::ElementsAre("1 0 0.0000,0.0000,5.0000 ROAD          LSYSYS",
                                     "1 1 10.0000,0.0000,6.0000 ROAD          LEYSYS",
                                     "0 2 5.0000,5.0000,7.0000 TREE          arYSYS"));
    EXPECT_EQ(zaSettings().coordinatePreference, 1);

    driver().onNextDialog([](zplat::Dialog& d) { zplat::user::cancel(d); });
    answer({"ALL", ""});
    zaUROUT();
    EXPECT_TRUE(printed("\n*UROut Cancelled*\n"));
    EXPECT_EQ(driver().fileRequests().size(), 1u);
}

TEST_F(ExportCommand, TheRuleIsAskedOncePerRunAndAgainTheNextRun) {
    zaSettings().xyzUseDefaults = false;
    zaSettings().useDialogs = true;
    const ads_point c = {0, 0, 0};
    for (int i = 0; i < 3; ++i) ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "CIRCLE", 8, "MH", 10, c, 40, 1.0, 0)), RTNORM);
    const auto yes = [](zplat::Dialog& d) { zplat::user::enter(d); };
    driver().onNextDialog(yes);
    exportAll(true, "survey01.ur1");
    driver().onNextDialog(yes);
    exportAll(false, "survey01.tr1");
    EXPECT_EQ(driver().dialogsOpened(),
              (std::vector<std::string>{"Z.AutoCAD to ZARVO String ", "Z.AutoCAD to ZARVO String "}));
}

TEST_F(ExportCommand, AUserBreakStopsTheExport) {
    for (int i = 0; i < 40; ++i) ASSERT_EQ(makePoint(i, i, i, "P"), RTNORM);
    zcad::test::breakAfterPolls(1);
    const std::string before = earlierFile("survey01.tr1");
    const std::string path = exportAll(false, "survey01.tr1");
    EXPECT_TRUE(printed("\n*Cancel*\n"));
    EXPECT_THAT(output_, HasSubstr("\"" + path + "\" has not been written.\n"));
    EXPECT_EQ(read(path), before);
    zcad::test::breakAfterPolls(0);
}

TEST_F(ExportCommand, AStoppedExportLeavesNoFileThatPassesForCompleteAndRecordsNoJob) {
    zaSettings().saveJobUROUT = zaSettings().saveJobTROUT = true;
    // A line without its end point stops the export at it.
    std::vector<std::uint8_t> bytes;
    zcad::GroupWriter w(bytes);
    w.string(0, "LINE");
    w.string(8, "BAD");
    w.point(10, 0, 0, 0);
    db().append(bytes);

    const std::string urBefore = earlierFile("survey01.ur1");
    const std::string trBefore = earlierFile("survey01.tr1");
    const std::string ur = exportAll(true, "survey01.ur1");
    EXPECT_THAT(output_, HasSubstr("\nExport stopped after 2 of 3 entities: \"" + ur + "\" has not been written.\n"));
    EXPECT_EQ(read(ur), urBefore);

    const std::string tr = exportAll(false, "survey01.tr1");
    EXPECT_EQ(read(tr), trBefore);
    EXPECT_EQ(filesLeft(), (std::vector<std::string>{"survey01.tr1", "survey01.ur1"}));
    EXPECT_FALSE(printed("String File"));
    EXPECT_EQ(currentJob(), install_ + "unknownf.xx1");
}

TEST_F(ExportCommand, APointATRFileCannotHoldStopsTheExport) {
    ASSERT_EQ(makePoint(123456789.0, 0, 0, "FAR"), RTNORM);
    const std::string tr = exportAll(false, "survey01.tr1");
    EXPECT_TRUE(printed("<Coordinate too wide for its TR column\nZarvo_AutoCAD filing problem\n>"));
    EXPECT_FALSE(fs::exists(tr));
    // The binary file holds it.
    EXPECT_EQ(readUR(exportAll(true, "survey01.ur1")).at(3).x, 123456789.0);
}

// The file system refusing more bytes at several points of a large
// export: before the header, among the records, and at the last write.
TEST_F(ExportCommand, AFileThatCannotBeWrittenIsSaidAndNotTakenForComplete) {
    zaSettings().saveJobUROUT = zaSettings().saveJobTROUT = true;
    for (int i = 0; i < 3000; ++i) {
        const ads_point a = {double(i), 0, 1}, b = {double(i), 1, 2};
        ASSERT_EQ(make3DLine(a, b, "ROAD"), RTNORM);
    }
    const std::uintmax_t urSize = 224 + 6002 * 56;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    for (const bool ur : {true, false}) {
        for (const rlim_t limit : {rlim_t{100}, rlim_t{300000}, rlim_t{urSize - 1}}) {
            SCOPED_TRACE(std::to_string(limit) + (ur ? " UR" : " TR"));
            output_.clear();
            const std::string before = earlierFile(ur ? "survey01.ur1" : "survey01.tr1");
            rlimit capped = saved;
            capped.rlim_cur = limit;
            ::setrlimit(RLIMIT_FSIZE, &capped);
            const std::string path = exportAll(ur, ur ? "survey01.ur1" : "survey01.tr1");
            ::setrlimit(RLIMIT_FSIZE, &saved);
            EXPECT_THAT(output_, HasSubstr(ur ? "<Cannot write UR file\nFile too large\nZarvo_AutoCAD filing problem\n>"
                                              : "<Cannot write TR file\nFile too large\nZarvo_AutoCAD filing problem\n>"));
            EXPECT_THAT(output_, HasSubstr("\nExport stopped after "));
            EXPECT_FALSE(printed("String File"));
            EXPECT_EQ(read(path), before);
            fs::remove(path);
        }
    }
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(currentJob(), install_ + "unknownf.xx1");
}

}  // namespace

namespace {

// Arcs left out by the answer are the converter test's (left out by the
// setting, through the same choice) and the breakup choice test's.
class ArcQuestion : public ExportCommand {
protected:
    void SetUp() override {
        ExportCommand::SetUp();
        zaSettings().xyzUseDefaults = false;
        const ads_point c = {50, 50, 0};
        ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "CIRCLE", 8, "MH", 10, c, 40, 1.0, 0)), RTNORM);
        ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "ARC", 8, "KB", 10, c, 40, 2.0, 50, 0.0, 51, 1.5, 0)), RTNORM);
    }
};

TEST_F(ArcQuestion, ACancelledQuestionCancelsTheExportAndKeepsThePreviousFile) {
    const struct {
        const char* how;
        bool dialog;
        std::vector<std::string> lines;
    } cancels[] = {
        {"dialog cancelled", true, {}},
        {"keyword cancelled", false, {"*Cancel*"}},
        {"value cancelled", false, {"Chord", "*Cancel*"}},
        {"input ran out", false, {}},
    };
    for (const auto& c : cancels) {
        for (const bool ur : {true, false}) {
            SCOPED_TRACE(std::string(c.how) + (ur ? " UR" : " TR"));
            output_.clear();
            zaSettings().useDialogs = c.dialog;
            if (c.dialog) driver().onNextDialog([](zplat::Dialog& d) { zplat::user::cancel(d); });
            const std::string name = ur ? "survey01.ur1" : "survey01.tr1";
            const std::string before = earlierFile(name);
            exportAll(ur, name, c.lines);
            EXPECT_TRUE(printed(ur ? "\n*UROut Cancelled*\n" : "\n*TROut Cancelled*\n")) << output_;
            EXPECT_FALSE(printed("String File"));
            EXPECT_EQ(read(dir_ + name), before);
        }
    }
    EXPECT_EQ(filesLeft(), (std::vector<std::string>{"survey01.tr1", "survey01.ur1"}));
}

}  // namespace
