// UROUT and TROUT as the user meets them: the selection, the coordinate
// system, the file and its name, the summary, the current job, and what a
// stopped export leaves behind.
#include <sys/resource.h>

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
    const std::string path = exportAll(false, "survey01.tr1");
    EXPECT_TRUE(printed("\n*Cancel*\n"));
    EXPECT_THAT(output_, HasSubstr("the incomplete file \"" + path + "\" has been removed.\n"));
    EXPECT_FALSE(fs::exists(path));
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

    const std::string ur = exportAll(true, "survey01.ur1");
    EXPECT_THAT(output_, HasSubstr("\nExport stopped after 2 of 3 entities: \"" + ur +
                                   "\" is incomplete, and readers refuse it.\n"));
    EXPECT_EQ(fs::file_size(ur), 224u + 3 * 56u);
    zastrings::URReader reader;
    EXPECT_FALSE(reader.open(ur));

    const std::string tr = exportAll(false, "survey01.tr1");
    EXPECT_THAT(output_, HasSubstr("the incomplete file \"" + tr + "\" has been removed.\n"));
    EXPECT_FALSE(fs::exists(tr));
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
            rlimit capped = saved;
            capped.rlim_cur = limit;
            ::setrlimit(RLIMIT_FSIZE, &capped);
            const std::string path = exportAll(ur, ur ? "survey01.ur1" : "survey01.tr1");
            ::setrlimit(RLIMIT_FSIZE, &saved);
            EXPECT_THAT(output_, HasSubstr(ur ? "<Cannot write UR file\nFile too large\nZarvo_AutoCAD filing problem\n>"
                                              : "<Cannot write TR file\nFile too large\nZarvo_AutoCAD filing problem\n>"));
            EXPECT_THAT(output_, HasSubstr("\nExport stopped after "));
            EXPECT_FALSE(printed("String File"));
            if (ur) {
                zastrings::URReader reader;
                EXPECT_FALSE(reader.open(path));
            } else {
                EXPECT_FALSE(fs::exists(path));
            }
            fs::remove(path);
        }
    }
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(currentJob(), install_ + "unknownf.xx1");
}

}  // namespace
