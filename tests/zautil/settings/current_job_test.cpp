// The suite's current job: the registry, the three job files and their
// bytes, and the environment record (ZSELECT is the module test's).
#include "settings_fixture.h"

#include "settings/current_job.h"
#include "settings/job_files.h"
#include "settings/za_env.h"

namespace {

class CurrentJob : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        jobs_ = dir_ + "/jobs/";
        std::filesystem::create_directories(jobs_);
    }
    std::string jobs_;
};

TEST_F(CurrentJob, NothingStoredGivesTheUnknownJobOfTheInstallation) {
    std::string job;
    EXPECT_EQ(zaGetCurrentJob(job), 2);
    EXPECT_EQ(job, install_ + "unknownf.xx1");
    ::unsetenv("ZARV$PROG");
    EXPECT_EQ(zaGetCurrentJob(job), -8);
    EXPECT_EQ(job, "");
}

TEST_F(CurrentJob, SettingAJobStoresItsFormAndWritesTheJobFiles) {
    ASSERT_TRUE(zaSetCurrentJob(jobs_ + "abcdefgh.pfa"));
    EXPECT_EQ(output_, "");
    EXPECT_EQ(boxes(), Texts{});
    std::string job;
    EXPECT_EQ(zaGetCurrentJob(job), 0);
    EXPECT_EQ(job, jobs_ + "abcdefgh.xxa");
    EXPECT_TRUE(storeHas("\"Current Job\"=\"" + jobs_ + "abcdefgh.xxa\""));

    EXPECT_EQ(readFile(install_ + "curjob"), jobs_ + "\r\n");
    EXPECT_EQ(readFile(jobs_ + "oldjob.dat"), "abcdefgha\r\n");
    EXPECT_EQ(readFile(jobs_ + "_oldjob.ojd"),
              "<?xml version=\"1.0\" ?>\r\n"
              "<type>Zarvo Software Last Job Info File</type>\r\n"
              "<version>1.0b</version>\r\n"
              "<job>\r\n"
              "\t<name>abcdefgh</name>\r\n"
              "\t<run>a</run>\r\n"
              "</job>\r\n\r\n");

    // The old job file holds eight characters of the name, the other all.
    ASSERT_TRUE(zaSetCurrentJob(jobs_ + "longername.urB"));
    EXPECT_EQ(readFile(jobs_ + "oldjob.dat"), "longernaB\r\n");
    EXPECT_NE(readFile(jobs_ + "_oldjob.ojd").find("\t<name>longername</name>\r\n\t<run>B</run>\r\n"),
              std::string::npos);
}

TEST_F(CurrentJob, OldKeyIsReadWhenAloneAndWrittenWhenItExists) {
    putText("Current Job", "/old/job.xx3", HKEY_CURRENT_USER, "Software\\Zarvo");
    std::string job;
    EXPECT_EQ(zaGetCurrentJob(job), 1);
    EXPECT_EQ(job, "/old/job.xx3");

    ASSERT_TRUE(zaSetCurrentJob(jobs_ + "abcdefgh.ur7"));
    EXPECT_EQ(count(store(), "\"Current Job\"=\"" + jobs_ + "abcdefgh.xx7\"\r\n"), 2);
    EXPECT_EQ(zaGetCurrentJob(job), 0);
}

TEST_F(CurrentJob, JobFilesThatCannotBeWritten) {
    ::setenv("ZARV$PROG", (dir_ + "/nowhere").c_str(), 1);
    EXPECT_TRUE(zaSetCurrentJob(jobs_ + "abcdefgh.ur7"));
    EXPECT_EQ(output_, "Failed to open curjob file \"" + dir_ + "/nowhere/curjob\"");
    EXPECT_EQ(readFile(jobs_ + "oldjob.dat"), "abcdefgh7\r\n");
    // The old key is written only where it exists.
    EXPECT_EQ(store().find("[HKEY_CURRENT_USER\\Software\\Zarvo]"), std::string::npos);

    ::unsetenv("ZARV$PROG");
    std::filesystem::remove(jobs_ + "oldjob.dat");
    EXPECT_TRUE(zaSetCurrentJob(jobs_ + "abcdefgh.ur8"));
    EXPECT_EQ(boxes(), Texts{"Failed to get zarvo install directory"});
    EXPECT_FALSE(std::filesystem::exists(jobs_ + "oldjob.dat"));
}

TEST_F(CurrentJob, JobFilesThatCannotBeWrittenWholeAreReported) {
    // A full disk under each file: it opens, but its bytes do not land.
    std::filesystem::create_symlink("/dev/full", install_ + "curjob");
    std::filesystem::create_symlink("/dev/full", jobs_ + "_oldjob.ojd");
    EXPECT_FALSE(WriteOtherOldJobFiles(jobs_ + "abcdefgh.xx7"));
    EXPECT_EQ(output_, "Failed to write job file \"" + install_ + "curjob\": No space left on device\n"
                       "Failed to write job file \"" + jobs_ + "_oldjob.ojd\": No space left on device\n");
    EXPECT_EQ(readFile(jobs_ + "oldjob.dat"), "abcdefgh7\r\n");
    // The registry still takes the job.
    output_.clear();
    EXPECT_TRUE(zaSetCurrentJob(jobs_ + "abcdefgh.ur7"));
    EXPECT_NE(output_.find("No space left on device"), std::string::npos);

    std::filesystem::remove(install_ + "curjob");
    std::filesystem::remove(jobs_ + "_oldjob.ojd");
    EXPECT_TRUE(WriteOtherOldJobFiles(jobs_ + "abcdefgh.xx7"));
    // A job directory that does not exist is passed over silently, but the
    // files are not there for the suite.
    output_.clear();
    EXPECT_FALSE(WriteOtherOldJobFiles(dir_ + "/nojobs/abcdefgh.xx7"));
    EXPECT_EQ(output_, "");
}

TEST_F(CurrentJob, EnvironmentRecordHoldsTheInstallationAndTheJob) {
    ASSERT_TRUE(zaSetCurrentJob(jobs_ + "abcdefgh.urA"));
    const ZsAcEnviron env;
    EXPECT_TRUE(env.found);
    EXPECT_EQ(env.installDir, install_);
    EXPECT_EQ(env.layPath, install_ + "plot.lay");
    EXPECT_EQ(env.penPath, install_ + "plot.pen");
    EXPECT_EQ(env.currentJob, jobs_ + "abcdefgh.xxA");
    EXPECT_EQ(env.job, (ZaJobPathParts{jobs_, "abcdefgh", ".xx", "A"}));

    ::unsetenv("ZARV$PROG");
    const ZsAcEnviron none;
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.currentJob, "");
    EXPECT_EQ(none.layPath, "");
}

}  // namespace
