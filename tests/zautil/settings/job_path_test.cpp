// Job paths: their parts, the current-job form, type letters, and flags.
#include "settings_fixture.h"

#include "settings/job_path.h"
#include "settings/parse_bool.h"

namespace {

TEST(JobPath, SplitsIntoDirectoryNameTypeAndRun) {
    ZaJobPathParts parts;
    zaSplitJobPath("C:\\jobs\\abcdefgh.urAB", parts);
    EXPECT_EQ(parts, (ZaJobPathParts{"C:\\jobs\\", "abcdefgh", ".ur", "A"}));
    zaSplitJobPath("", parts);  // leaves them as they were
    EXPECT_EQ(parts.name, "abcdefgh");
    zaSplitJobPath("/a.b/plain", parts);
    EXPECT_EQ(parts, (ZaJobPathParts{"/a.b/", "plain", "", ""}));
}

TEST(JobPath, CurrentJobFormKeepsTheRunCharacter) {
    EXPECT_EQ(zaJobFileToCurrentJob("C:\\jobs\\abcdefgh.pfa"), "C:\\jobs\\abcdefgh.xxa");
    EXPECT_EQ(zaJobFileToCurrentJob("/jobs/abcdefgh.urA"), "/jobs/abcdefgh.xxA");
    EXPECT_EQ(zaJobFileToCurrentJob("/jobs.d/job"), "/jobs.d/job.xx");
    EXPECT_EQ(zaJobFileToCurrentJob("/jobs/abcdefgh.urA", 10), "/jobs/abc");
}

TEST(JobPath, UpdateJobNameSetsAndChecksTypeLetters) {
    std::string path = "C:\\jobs\\abcdefgh.urA";
    EXPECT_TRUE(UpdateJobName(&path, "tr", true));
    EXPECT_EQ(path, "C:\\jobs\\abcdefgh.trA");
    path = "/jobs/abcdefgh.urA";
    EXPECT_TRUE(UpdateJobName(&path, "trx", true));  // only two letters count
    EXPECT_EQ(path, "/jobs/abcdefgh.trA");

    EXPECT_TRUE(UpdateJobName(&path, "tr", false));
    EXPECT_FALSE(UpdateJobName(&path, "ur", false));
    EXPECT_FALSE(UpdateJobName(&path, "TR", false));
    EXPECT_TRUE(UpdateJobName(&path, "?r", false));  // not letters: nothing to check against
    EXPECT_FALSE(UpdateJobName(&path, "?r", true));
    EXPECT_FALSE(UpdateJobName(&path, "t", false));
    EXPECT_EQ(path, "/jobs/abcdefgh.trA");

    for (std::string refused :
         {"/jobs/abcdefg.urA", "/jobs/abcdefghi.urA", "/jobs/abcdefgh.ur", "/jobs/abcdefgh.urAB",
          "/jobs/abcdefgh.ur_", "abcdefgh.urA", "/jobs.abcdefgh/urA"}) {
        SCOPED_TRACE(refused);
        const std::string before = refused;
        EXPECT_FALSE(UpdateJobName(&refused, "tr", true));
        EXPECT_EQ(refused, before);
    }
}

TEST_F(SettingsTest, UpdateJobNameWithoutPathTellsTheUser) {
    EXPECT_FALSE(UpdateJobName(nullptr, "tr", true));
    std::string path = "/jobs/abcdefgh.urA";
    EXPECT_FALSE(UpdateJobName(&path, nullptr, false));
    const std::string text =
        "A NULL pointer has been passed to UpdateJobName() in the Zarvo Environment Routines.\n\n"
        "Please inform Zarvo Software";
    EXPECT_EQ(boxes(), (Texts{text, text}));
}

TEST(JobPath, HasJobTypeComparesTheFirstTwoExtensionCharacters) {
    EXPECT_TRUE(zaHasJobType("/jobs/road.urA", "ur"));
    EXPECT_TRUE(zaHasJobType("/jobs/road.ur", "ur"));
    EXPECT_FALSE(zaHasJobType("/jobs/road.URA", "ur"));
    EXPECT_FALSE(zaHasJobType("/jobs/road.u", "ur"));
    EXPECT_FALSE(zaHasJobType("/jobs.ur/road", "ur"));
    EXPECT_FALSE(zaHasJobType("", "ur"));
}

TEST(ParseBool, WordsThenTheFirstCharacter) {
    struct Case {
        const char* text;
        bool value;
    };
    for (const Case c :
         {Case{"true", true}, Case{"false", false}, Case{"True", true}, Case{"tRUE", true}, Case{"F", false},
          Case{"1", true}, Case{"0", false}, Case{"yes", false}, Case{"", false}, Case{nullptr, false}}) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        EXPECT_EQ(zaParseBool(c.text), c.value);
    }
}

}  // namespace
