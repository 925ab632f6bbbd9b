// zcad --render on a drawing ezdxf made with every kind the picture draws.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>

#include "picture_reader.h"
#include "run_command.h"

namespace zcad::testing {
namespace {

const std::string kZcad = std::string(ZCAD_BINARY_DIR) + "/zcad --no-module";

std::filesystem::path scratch() {
    auto dir = std::filesystem::temp_directory_path() / "zcad_render_program";
    std::filesystem::create_directories(dir);
    return dir;
}

// One kind per colour, so the picture shows which kinds arrived.
const char* kEveryKind = R"(
import ezdxf, sys
doc = ezdxf.new('R2010')
doc.header['$PDMODE'] = 3
msp = doc.modelspace()
doc.layers.add('HIDDEN', color=200).freeze()
msp.add_line((0, 0), (100, 0), dxfattribs={'color': 1})
msp.add_circle((20, 20), 8, dxfattribs={'color': 3})
msp.add_arc((50, 20), 8, 0, 180, dxfattribs={'color': 4})
msp.add_ellipse((80, 20), major_axis=(10, 0), ratio=0.5, dxfattribs={'color': 5})
msp.add_lwpolyline([(0, 40, 0, 0, 1), (20, 40, 0, 0, 0), (20, 50)], format='xyseb', dxfattribs={'color': 6})
msp.add_polyline2d([(30, 40), (40, 50), (50, 40)], dxfattribs={'color': 30})
msp.add_polyline3d([(60, 40, 1), (70, 50, 9), (80, 40, -3)], dxfattribs={'color': 40})
mesh = msp.add_polyface(dxfattribs={'color': 50})
mesh.append_face([(0, 60, 0), (10, 60, 0), (10, 70, 0), (0, 70, 0)])
msp.add_3dface([(20, 60, 0), (30, 60, 0), (30, 70, 5)], dxfattribs={'color': 60})
msp.add_solid([(40, 60), (50, 60), (40, 70), (50, 70)], dxfattribs={'color': 70})
msp.add_point((60, 65), dxfattribs={'color': 80})
msp.add_text('LOT 12', height=3, dxfattribs={'color': 90, 'rotation': 30}).set_placement((70, 60))
msp.add_mtext('Road\\PKerb', dxfattribs={'color': 100, 'char_height': 2, 'insert': (0, 90)})
block = doc.blocks.new('TREE')
block.add_circle((0, 0), 2, dxfattribs={'color': 0})
msp.add_blockref('TREE', (40, 90), dxfattribs={'color': 110})
msp.add_spline([(60, 80), (70, 90), (80, 80), (90, 90)], dxfattribs={'color': 120})
msp.add_line((0, 100), (100, 100), dxfattribs={'layer': 'HIDDEN'})
doc.saveas(sys.argv[1])
)";

TEST(RenderProgram, DrawsADrawingEzdxfMadeOfEveryKind) {
    if (!haveEzdxf()) GTEST_SKIP() << "needs /usr/bin/python3 with ezdxf";
    const auto dir = scratch();
    const std::string script = (dir / "every_kind.py").string();
    {
        std::FILE* out = std::fopen(script.c_str(), "w");
        ASSERT_NE(out, nullptr);
        std::fputs(kEveryKind, out);
        std::fclose(out);
    }
    const std::string dxf = (dir / "every_kind.dxf").string();
    int status = 0;
    const std::string made = runCommand("/usr/bin/python3 " + script + " " + dxf, status);
    ASSERT_EQ(status, 0) << made;

    const std::string png = (dir / "every_kind.png").string();
    const std::string saved = (dir / "saved.dxf").string();
    std::filesystem::remove(png);
    const std::string ran = runCommand(kZcad + " --drawing " + dxf + " --save " + saved + " --render " + png +
                                           " --render-size 640x480 </dev/null",
                                       status);
    ASSERT_EQ(status, 0) << ran;
    EXPECT_TRUE(std::filesystem::exists(saved));
    const Png picture(png);
    ASSERT_EQ(picture.width(), 640);
    ASSERT_EQ(picture.height(), 480);
    for (const int index : {1, 3, 4, 5, 6, 30, 40, 50, 60, 70, 90, 100, 110, 120}) {
        EXPECT_GT(picture.count(render::indexedColour(index)), 0u) << "colour " << index;
    }
    EXPECT_EQ(picture.count(render::indexedColour(200)), 0u) << "frozen layer";
}

TEST(RenderProgram, BadOptionsAndUnwritablePicturesFailLoudly) {
    const auto dir = scratch();
    int status = 0;
    std::string out = runCommand(kZcad + " --render x.png --render-size 100 </dev/null", status);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(out.find("--render-size wants WxH"), std::string::npos) << out;
    out = runCommand(kZcad + " --render x.gif </dev/null", status);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(out.find("--render wants a file ending in .png, .svg or .pdf"), std::string::npos) << out;

    // A picture that cannot be written is refused before any work.
    const std::string saved = (dir / "kept.dxf").string();
    std::filesystem::remove(saved);
    out = runCommand(kZcad + " --save " + saved + " --render " + (dir / "missing/x.png").string() + " </dev/null", status);
    EXPECT_EQ(WEXITSTATUS(status), 4);
    EXPECT_NE(out.find("cannot write the picture"), std::string::npos) << out;
    EXPECT_FALSE(std::filesystem::exists(saved));
}

}  // namespace
}  // namespace zcad::testing
