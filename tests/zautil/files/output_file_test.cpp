// Output files take their target's place only when whole: a file that
// fails, is abandoned or is dropped part way leaves the earlier one as it was.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "files/output_file.h"
#include "files/replace_file.h"

namespace fs = std::filesystem;

namespace {

class OutputFileTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zaoutput-" + std::to_string(::getpid()) + "-" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        target_ = (dir_ / "job01.tr1").string();
        std::ofstream(target_, std::ios::binary) << "earlier";
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string target() const {
        std::ifstream in(target_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::size_t filesIn() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {})); }

    fs::path dir_;
    std::string target_;
};

TEST_F(OutputFileTest, TheTargetChangesOnlyWhenTheFileIsClosedWhole) {
    {
        zafiles::OutputFile file;
        ASSERT_TRUE(file.open(target_));
        ASSERT_TRUE(file.append("new bytes"));
        EXPECT_EQ(target(), "earlier");
        file.abandon();
    }
    EXPECT_EQ(target(), "earlier");
    {
        zafiles::OutputFile dropped;  // an exception or an early return
        ASSERT_TRUE(dropped.open(target_));
        ASSERT_TRUE(dropped.append("new bytes"));
    }
    EXPECT_EQ(target(), "earlier");
    EXPECT_EQ(filesIn(), 1u);

    ::chmod(target_.c_str(), 0640);
    zafiles::OutputFile file;
    ASSERT_TRUE(file.open(target_));
    ASSERT_TRUE(file.append("new bytes") && file.overwrite(0, "N"));
    ASSERT_TRUE(file.close());
    EXPECT_EQ(target(), "New bytes");
    EXPECT_EQ(fs::status(target_).permissions() & fs::perms::all, fs::perms(0640));
    EXPECT_EQ(filesIn(), 1u);
}

TEST_F(OutputFileTest, AFolderOrAMissingFolderIsRefusedAtOnce) {
    zafiles::OutputFile file;
    EXPECT_FALSE(file.open(dir_.string()));
    EXPECT_EQ(file.failureReason(), "Is a directory");
    EXPECT_FALSE(file.open((dir_ / "none" / "a.tr1").string()));
    EXPECT_EQ(file.failureReason(), "No such file or directory");
    EXPECT_FALSE(zafiles::replaceFile(dir_.string(), "x"));
    EXPECT_TRUE(fs::is_directory(dir_));
}

TEST_F(OutputFileTest, AFailedWriteKeepsTheEarlierFile) {
    // A target renamed away under the writer: the rename fails, and the
    // bytes beside it go too.
    zafiles::OutputFile file;
    ASSERT_TRUE(file.open((dir_ / "gone" / "x").string()) == false);
    fs::create_directory(dir_ / "sub");
    const std::string inSub = (dir_ / "sub" / "job02.tr1").string();
    ASSERT_TRUE(file.open(inSub));
    ASSERT_TRUE(file.append("bytes"));
    fs::remove_all(dir_ / "sub");
    EXPECT_FALSE(file.close());
    EXPECT_FALSE(file.failureReason().empty());
    EXPECT_EQ(target(), "earlier");

    EXPECT_TRUE(zafiles::replaceFile(target_, "replaced"));
    EXPECT_EQ(target(), "replaced");
    EXPECT_EQ(filesIn(), 1u);
}

}  // namespace
