// UROUT and TROUT end to end: zcad loads a drawing ezdxf made with every
// kind of entity, a script answers every prompt and dialog as a user would
// on a fresh installation, and ezdxf's reading of the drawing says what
// each file must hold.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "run_command.h"

namespace {

namespace fs = std::filesystem;

const std::string kOracle = ZCAD_SOURCE_DIR "/tests/zautil/string_export/export_oracle.py";

class ZcadExport : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveEzdxf()) GTEST_SKIP() << "ezdxf is not installed for /usr/bin/python3";
        dir_ = fs::temp_directory_path() / ("zcad_export_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "zarvo");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string run(const std::string& command) {
        int status = 0;
        const std::string out = runCommand(command, status);
        EXPECT_EQ(status, 0) << out;
        return out;
    }

    fs::path dir_;
};

TEST_F(ZcadExport, EveryEntityKindFromAScriptOnAFreshInstallation) {
    const std::string drawing = (dir_ / "all.dxf").string();
    run("/usr/bin/python3 " + kOracle + " make " + drawing);
    const std::string ur = (dir_ / "survey01.ur1").string(), tr = (dir_ / "survey01.tr1").string();
    // Objects, the coordinate system (Ok: world), the file, then the arc
    // options at the first arc: quarterly divisions of 1.
    std::ofstream(dir_ / "export.scr") << "UROUT\nALL\n\n\n" << ur << "\nQuarterly Division\nValue=1\n\n"
                                       << "TRO\nALL\n\n\n" << tr << "\n\n";
    const std::string out = run("env ZARVO_REGISTRY=" + (dir_ / "registry.reg").string() + " 'ZARV$PROG'=" +
                                (dir_ / "zarvo").string() + "/ " ZCAD_BINARY_DIR "/zcad --drawing " + drawing +
                                " --script " + (dir_ / "export.scr").string() + " </dev/null");
    EXPECT_NE(out.find("Records complete \n\nString File \"" + ur + "\"\n 45 Points in 10 Strings exported.\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("Lines 1, Polylines 5, Points 4, Arcs 2, Circles 1, 3D Faces 1 \n"), std::string::npos);
    EXPECT_NE(out.find("String File \"" + tr + "\""), std::string::npos) << out;
    EXPECT_EQ(run("/usr/bin/python3 " + kOracle + " check " + drawing + " " + ur), "OK\n");
    EXPECT_EQ(run("/usr/bin/python3 " + kOracle + " check " + drawing + " " + tr), "OK\n");

    // UROUT records its file as the current job by default, TROUT does not.
    std::ifstream store(dir_ / "registry.reg");
    const std::string registry((std::istreambuf_iterator<char>(store)), {});
    EXPECT_NE(registry.find("\"Current Job\"=\"" + (dir_ / "survey01.xx1").string() + "\""), std::string::npos)
        << registry;
}

}  // namespace
