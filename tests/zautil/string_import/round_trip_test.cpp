// A UR file from the writer, imported as 3D strings, saved as DXF and read
// back by ezdxf: every coordinate must come back bit for bit.
#include <cstdio>
#include <string>

#include "string_import_fixture.h"
#include "string_file_generator.h"
#include "run_command.h"
#include "zcad/dxf.h"

class RoundTripTest : public StringImportTest {};

TEST_F(RoundTripTest, EveryCoordinateComesBackBitForBit) {
    if (!haveEzdxf()) GTEST_SKIP() << "ezdxf is not installed for /usr/bin/python3";

    zastrings::StringFileShape shape;
    shape.records = 3000;
    shape.codes = 12;
    shape.stringLength = 40;
    shape.lonePoints = 3;
    std::string error;
    const std::string ur = dir_ + "survey01.ur1";
    ASSERT_TRUE(zastrings::generateURFile(ur, shape, error)) << error;
    // Values no text format would keep: the reals must pass unrounded.
    const auto odd = writeUR("oddreals.ur1", {rec(9, 0.1, 1.0 / 3, -2e-300), rec(9, 1e15 + 0.5, -0.0, 6.02214076e23),
                                              rec(0, 5e-324, 1.7976931348623157e308, 1)});

    zaSettings().polyline3D = true;
    for (const std::string& path : {ur, odd}) {
        zcad::test::resetHost();
        ASSERT_TRUE(importUR(path)) << error_;
        const std::string dxf = path + ".dxf";
        int status = 0;
        ASSERT_TRUE(zcad::writeDxf(dxf, db(), nullptr, error)) << error;
        const std::string out =
            runCommand("/usr/bin/python3 " ZCAD_SOURCE_DIR "/tests/zautil/string_import/check_strings_dxf.py " + path + " " + dxf,
                status);
        EXPECT_EQ(status, 0) << out;
        EXPECT_EQ(out, "OK\n") << path;
    }
}
