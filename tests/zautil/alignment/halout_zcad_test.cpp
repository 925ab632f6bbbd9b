// A realistic road, drawn by ezdxf, exported by HALOUT in a zcad session
// on the settings a fresh installation has, and every line of the HAL and
// RV files checked against what ezdxf's own bulge, arc and line tools work
// out from the same drawing (road_oracle.py).
#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

#include "run_command.h"

namespace {

namespace fs = std::filesystem;

const std::string kOracle = ZCAD_SOURCE_DIR "/tests/zautil/alignment/road_oracle.py";

class HaloutInZcad : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveEzdxf()) GTEST_SKIP() << "ezdxf is not installed for /usr/bin/python3";
        dir_ = fs::temp_directory_path() / ("zautil_halout_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "zarvo");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }
    static std::string read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
};

TEST_F(HaloutInZcad, ARoadAndItsShiftLineGiveTheFilesEzdxfWorksOut) {
    int status = 0;
    std::istringstream picks(runCommand("/usr/bin/python3 " + kOracle + " make " + path("road.dxf"), status));
    ASSERT_EQ(status, 0) << picks.str();
    std::string pegged, shift;
    std::getline(picks, pegged);
    std::getline(picks, shift);

    // Defaults out of the box: the coordinate dialog, then the export
    // dialog naming the job; the current job is recorded.
    std::ofstream(path("road.scr")) << "HALOUT\n\n" << pegged << "\n" << shift << "\n"
                                    << "Working Directory=" << dir_.string() << "\n"
                                    << "Current Job Name=road0001\nRun=A\n\n";
    const std::string transcript =
        runCommand("env ZARVO_REGISTRY=" + path("registry.reg") + " 'ZARV$PROG'=" + path("zarvo") + "/ " +
                       ZCAD_BINARY_DIR "/zcad --drawing " + path("road.dxf") + " --script " + path("road.scr") +
                       " </dev/null",
                   status);
    ASSERT_EQ(status, 0) << transcript;
    EXPECT_THAT(transcript, testing::HasSubstr(" - 11 vertices"));
    EXPECT_THAT(transcript, testing::HasSubstr("Set file \"" + path("road0001.h1A") + "\" as current job"));
    EXPECT_THAT(transcript, testing::HasSubstr("HAL output complete"));
    int warnings = 0;
    for (auto at = transcript.find("WARNING: Vector not tangent"); at != std::string::npos;
         at = transcript.find("WARNING: Vector not tangent", at + 1))
        ++warnings;

    const std::string verdict = runCommand(
        "/usr/bin/python3 " + kOracle + " check " + path("road.dxf") + " " + path("road0001.h1A") + " " +
            path("road0001.rvA"),
        status);
    EXPECT_EQ(status, 0) << verdict;
    EXPECT_EQ(verdict, "OK " + std::to_string(warnings) + " angle points\n") << transcript;
    EXPECT_EQ(read(path("zarvo/curjob")), dir_.string() + "/\r\n");
}

}  // namespace
