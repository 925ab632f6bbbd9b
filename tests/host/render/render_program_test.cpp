// zcad --render on a drawing ezdxf made with every kind the picture draws.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>

#include "picture_reader.h"
#include "run_command.h"
#include "zcad/dxf.h"
#include "zcad/picture.h"

namespace zcad::testing {
namespace {

const std::string kZcad = std::string(ZCAD_BINARY_DIR) + "/zcad --no-module";

std::filesystem::path scratch() {
    auto dir = std::filesystem::temp_directory_path() / "zcad_render_program";
    std::filesystem::create_directories(dir);
    return dir;
}

void writeText(const std::filesystem::path& path, const char* text) {
    std::FILE* out = std::fopen(path.c_str(), "w");
    ASSERT_NE(out, nullptr);
    std::fputs(text, out);
    std::fclose(out);
}

bool have(const std::string& program) {
    int status = 0;
    runCommand("command -v " + program, status);
    return status == 0;
}

// Drawings from other programs, beside the repository (or beside the
// folder of worktrees it may sit in).
std::filesystem::path samples() {
    for (const char* up : {"/../shared/dxf-samples", "/../../shared/dxf-samples"}) {
        const std::filesystem::path dir = std::string(ZCAD_SOURCE_DIR) + up;
        if (std::filesystem::is_directory(dir)) return dir;
    }
    return {};
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

// Every drawing another program wrote that holds something drawable in
// its model space gives a picture with ink in it.
TEST(RenderProgram, DrawingsFromOtherProgramsNeverGiveABlankPicture) {
    const auto dir = samples();
    if (dir.empty()) GTEST_SKIP() << "no ../shared/dxf-samples beside the repository";
    int drawn = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".dxf") continue;
        std::string error;
        const auto db = readDxf(entry.path().string(), error);
        if (!db) continue;  // the damaged ones are refused, as they should be
        bool drawable = false;
        for (EntityId id = 0; id < db->entityCount() && !drawable; ++id) {
            if (!db->valid(id)) continue;
            const std::string_view type = db->type(id);
            drawable = type != "VIEWPORT" && type != "SEQEND" && type != "VERTEX" && type != "ATTRIB" && type != "ATTDEF";
        }
        if (!drawable) continue;
        PictureOptions options;
        options.width = 320;
        options.height = 240;
        const std::string png = (scratch() / (entry.path().stem().string() + ".png")).string();
        ASSERT_TRUE(writePicture(*db, png, options, error)) << error;
        const Png picture(png);
        std::size_t ink = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) ink += picture.at(x, y) == picture.at(0, 0) ? 0 : 1;
        }
        EXPECT_GT(ink, 0u) << entry.path().filename();
        ++drawn;
    }
    EXPECT_GT(drawn, 20);
}

// The same drawing through LibreCAD's dxf2pdf, both pictures cropped to
// their ink and set 800 pixels wide: at least 95 per cent of each one's
// ink lies within 3 pixels of the other's.
const char* kSideBySide = R"(
import ezdxf, sys
doc = ezdxf.new('R2010')
msp = doc.modelspace()
msp.add_line((0, 0), (100, 0))
msp.add_line((0, 0), (0, 70))
msp.add_circle((30, 35), 15)
msp.add_arc((70, 35), 12, 30, 250)
msp.add_ellipse((70, 10), major_axis=(15, 0), ratio=0.4)
msp.add_lwpolyline([(5, 60, 0, 0, 0.5), (40, 60, 0, 0, 0), (50, 68), (95, 50)], format='xyseb')
msp.add_open_spline([(55, 40), (65, 55), (75, 42), (90, 56)])
hatch = msp.add_hatch(color=7)
hatch.paths.add_polyline_path([(80, 20), (95, 20), (95, 30), (80, 30)], is_closed=True)
msp.add_solid([(5, 5), (20, 5), (5, 15), (20, 15)])
doc.saveas(sys.argv[1])
)";

const char* kOverlap = R"(
import sys
import numpy as np
import matplotlib.image as mpimg

def ink(path):
    a = mpimg.imread(path)[:, :, :3]
    mask = np.abs(a - a[0, 0]).sum(axis=2) > 0.3
    ys, xs = np.nonzero(mask)
    return mask[ys.min():ys.max() + 1, xs.min():xs.max() + 1]

def scaled(mask, width):
    h, w = mask.shape
    height = max(1, round(h * width / w))
    return mask[(np.arange(height) * h / height).astype(int)][:, (np.arange(width) * w / width).astype(int)]

def grown(mask, r):
    out = mask.copy()
    for dy in range(-r, r + 1):
        for dx in range(-r, r + 1):
            out |= np.roll(np.roll(mask, dy, 0), dx, 1)
    return out

width, reach = int(sys.argv[3]), int(sys.argv[4])
a, b = scaled(ink(sys.argv[1]), width), scaled(ink(sys.argv[2]), width)
h = min(a.shape[0], b.shape[0])
a, b = a[:h], b[:h]
print("%.3f %.3f" % ((a & grown(b, reach)).sum() / a.sum(), (b & grown(a, reach)).sum() / b.sum()))
)";

TEST(RenderProgram, InkOverlapsLibreCadsPictureOfTheSameDrawing) {
    if (!haveEzdxf()) GTEST_SKIP() << "needs /usr/bin/python3 with ezdxf";
    if (!have("librecad") || !have("pdftoppm")) {
        GTEST_SKIP() << "needs LibreCAD's dxf2pdf and pdftoppm (Debian librecad, poppler-utils) to compare with";
    }
    const auto dir = scratch() / "side_by_side";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    writeText(dir / "make.py", kSideBySide);
    writeText(dir / "overlap.py", kOverlap);
    int status = 0;
    std::string out = runCommand("/usr/bin/python3 " + (dir / "make.py").string() + " " + (dir / "side.dxf").string(), status);
    ASSERT_EQ(status, 0) << out;
    // dxf2pdf writes beside the drawing, fitted to its page.
    out = runCommand("cd " + dir.string() + " && QT_QPA_PLATFORM=offscreen timeout 120 librecad dxf2pdf -a side.dxf", status);
    ASSERT_TRUE(std::filesystem::exists(dir / "side.pdf")) << out;
    out = runCommand("pdftoppm -png -scale-to-x 1600 -scale-to-y -1 -singlefile " + (dir / "side.pdf").string() + " " +
                         (dir / "theirs").string(),
                     status);
    ASSERT_EQ(status, 0) << out;
    out = runCommand(kZcad + " --drawing " + (dir / "side.dxf").string() + " --render " + (dir / "ours.png").string() +
                         " --render-size 1600x1131 </dev/null",
                     status);
    ASSERT_EQ(status, 0) << out;
    out = runCommand("/usr/bin/python3 " + (dir / "overlap.py").string() + " " + (dir / "ours.png").string() + " " +
                         (dir / "theirs.png").string() + " 800 3",
                     status);
    ASSERT_EQ(status, 0) << out;
    double ours = 0;
    double theirs = 0;
    ASSERT_EQ(std::sscanf(out.c_str(), "%lf %lf", &ours, &theirs), 2) << out;
    EXPECT_GE(ours, 0.95) << "of our ink near LibreCAD's";
    EXPECT_GE(theirs, 0.95) << "of LibreCAD's ink near ours";
}

TEST(RenderProgram, BadOptionsAndUnwritablePicturesFailLoudly) {
    const auto dir = scratch();
    int status = 0;
    std::string out = runCommand(kZcad + " --render x.png --render-size 100 </dev/null", status);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(out.find("--render-size wants WxH"), std::string::npos) << out;
    out = runCommand(kZcad + " --render x.gif </dev/null", status);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(out.find("--render wants a file ending in .png, .svg, .pdf or .html"), std::string::npos) << out;

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
