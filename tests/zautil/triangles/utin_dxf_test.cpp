// Every loader's drawing saved as DXF and read back by ezdxf against the
// UT and UP files; and UTIN end to end from zcad over a script.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_command.h"
#include "triangle_fixture.h"
#include "zcad/dxf.h"

namespace {

using namespace tritest;

class UtinDxf : public TriangleTest {
protected:
    void SetUp() override {
        TriangleTest::SetUp();
        if (!haveEzdxf()) GTEST_SKIP() << "ezdxf is not installed for /usr/bin/python3";
    }
    std::string check(const char* method, EdgeDisplay edges, const std::string& ut, const std::string& dxf) {
        int status = 0;
        const std::string out =
            runCommand("/usr/bin/python3 " ZCAD_SOURCE_DIR "/tests/zautil/triangles/check_triangles_dxf.py " +
                           std::string(method) + " " + std::to_string(static_cast<int>(edges)) + " " + ut + " " + dxf,
                       status);
        EXPECT_EQ(status, 0) << out;
        return out;
    }
    // Imports, saves in the release, and has ezdxf check the drawing.
    void importAndCheck(const char* method, ImportMethod how, EdgeDisplay edges, const std::string& ut,
                        zcad::DxfVersion version = zcad::DxfVersion::R12) {
        SCOPED_TRACE(method);
        zcad::test::resetHost();
        importTriangles(options(how, edges), ut);
        std::string error;
        const std::string dxf = ut + "." + method + ".dxf";
        ASSERT_TRUE(zcad::writeDxf(dxf, db(), &version, error)) << error;
        EXPECT_EQ(check(method, edges, ut, dxf), "OK\n");
    }
};

TEST_F(UtinDxf, EveryLoaderReadsBackAsTheModel) {
    TerrainShape shape;
    shape.triangles = 300;
    shape.inactiveEvery = 9;
    const std::string ut = writeModel("terrain1.ut1", generateTerrain(shape));
    importAndCheck("faces", ImportMethod::Faces, EdgeDisplay::Breaklines, ut);
    importAndCheck("faces", ImportMethod::Faces, EdgeDisplay::None, ut, zcad::DxfVersion::R2000);
    importAndCheck("solids", ImportMethod::Solids, EdgeDisplay::Breaklines, ut);
    importAndCheck("mesh", ImportMethod::Mesh, EdgeDisplay::Breaklines, ut);
    importAndCheck("mesh", ImportMethod::Mesh, EdgeDisplay::All, ut, zcad::DxfVersion::R2000);
    importAndCheck("catchment", ImportMethod::Catchment, EdgeDisplay::Breaklines, ut, zcad::DxfVersion::R2000);
}

// More faces and more points than one mesh can count or number.
TEST_F(UtinDxf, MeshesInPiecesReadBackAsTheModel) {
    TerrainShape shape;
    shape.triangles = 70000;
    shape.inactiveEvery = 1000;
    const TriangleModelData model = generateTerrain(shape);
    ASSERT_GT(model.points.size(), 32767u);
    importAndCheck("mesh", ImportMethod::Mesh, EdgeDisplay::Breaklines, writeModel("terrain1.ut1", model));
    EXPECT_NE(output_.find("the surface is drawn as several meshes"), std::string::npos);
    EXPECT_FALSE(zcad::test::sequenceOpen());
}

TEST_F(UtinDxf, UtinRunsFromZcadThroughItsDialog) {
    const std::string ut = ZCAD_SOURCE_DIR "/examples/hillside.ut1";
    const std::string script = write("utin.scr",
                                     "UTIN\n"
                                     "Working Directory=" ZCAD_SOURCE_DIR "/examples\n"
                                     "Job Name=hillside\n"
                                     "Run=1\n"
                                     "3D Faces\n"
                                     "All triangle edges\n"
                                     "\n");
    const std::string dxf = dir_ + "utin.dxf";
    int status = 0;
    const std::string out = runCommand("env ZARVO_REGISTRY=" + dir_ + "registry.reg 'ZARV$PROG=" + install_ +
                                           "' ZARVO_DRIVE_ROOT=" + dir_ + " " ZCAD_BINARY_DIR "/zcad --script " +
                                           script + " --save " + dxf + " </dev/null",
                                       status);
    ASSERT_EQ(status, 0) << out;
    EXPECT_NE(out.find("Load triangles as 3D Faces"), std::string::npos) << out;
    EXPECT_NE(out.find("UTIN Completed in"), std::string::npos) << out;
    EXPECT_EQ(check("faces", EdgeDisplay::All, ut, dxf), "OK\n");
}

}  // namespace
