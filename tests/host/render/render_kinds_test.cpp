// Drawings ezdxf makes, drawn where their shapes must be: colours that
// would not show, hatches, linetypes, lineweights, arrowheads and frames.
#include <cmath>

#include "render/hatch.h"
#include "render/linetype.h"
#include "render_test_support.h"

namespace zcad::testing {
namespace {

class RenderKindsTest : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        if (!haveEzdxf()) GTEST_SKIP() << "needs /usr/bin/python3 with ezdxf";
    }
};

TEST_F(RenderKindsTest, WhiteAndNearGroundColoursTakeTheContrastColour) {
    loadFromEzdxf("white", R"(
from ezdxf.colors import rgb2int
doc = ezdxf.new('R2010')
doc.layers.add('QCAD_WALLS', color=7).rgb = (255, 255, 255)
msp = doc.modelspace()
msp.add_line((10, 10), (90, 10), dxfattribs={'layer': 'QCAD_WALLS'})
msp.add_line((10, 30), (90, 30), dxfattribs={'true_color': rgb2int((245, 250, 250))})
msp.add_line((10, 40), (90, 40), dxfattribs={'true_color': rgb2int((40, 45, 50))})
msp.add_line((10, 50), (90, 50), dxfattribs={'true_color': rgb2int((200, 30, 30))})
msp.add_line((10, 60), (90, 60), dxfattribs={'color': 255})
doc.saveas(sys.argv[1])
)");
    const Png paper = draw("paper.png");
    EXPECT_TRUE(inkAt(paper, 50, 10, kInk)) << "a QCAD layer's true-colour white";
    EXPECT_TRUE(inkAt(paper, 50, 30, kInk)) << "near white";
    EXPECT_TRUE(inkAt(paper, 50, 40, {40, 45, 50})) << "dark stays as it is on paper";
    EXPECT_TRUE(inkAt(paper, 50, 50, {200, 30, 30}));
    EXPECT_TRUE(inkAt(paper, 50, 60, kInk)) << "index 255 is white too";

    PictureOptions dark = standard();
    dark.dark = true;
    const Png screen = draw("screen.png", dark);
    const render::Rgb white{255, 255, 255};
    EXPECT_TRUE(inkAt(screen, 50, 10, white));
    EXPECT_TRUE(inkAt(screen, 50, 40, white)) << "near the dark ground";
}

// A solid square, a solid half disc bounded by a line and a clockwise arc
// (whose angles a file keeps as 360 less the true ones), a pattern with an
// island, and a named pattern the file leaves to us.
TEST_F(RenderKindsTest, HatchesFillInsideTheirBoundariesAndLeaveIslands) {
    loadFromEzdxf("hatches", R"(
doc = ezdxf.new('R2010')
doc.header['$MEASUREMENT'] = 1
msp = doc.modelspace()
square = msp.add_hatch(color=1)
square.paths.add_polyline_path([(5, 45), (30, 45), (30, 70), (5, 70)], is_closed=True)
half = msp.add_hatch(color=3)
edges = half.paths.add_edge_path()
edges.add_line((40, 60), (70, 60))
edges.add_arc((55, 60), 15, 180, 360, ccw=False)
ring = msp.add_hatch(color=5)
ring.set_pattern_fill('ANSI31', color=5, scale=1)
ring.paths.add_polyline_path([(5, 5), (35, 5), (35, 35), (5, 35)], is_closed=True, flags=1)
ring.paths.add_polyline_path([(12, 12), (28, 12), (28, 28), (12, 28)], is_closed=True, flags=16)
net = msp.add_hatch(color=6)
net.set_pattern_fill('NET', color=6, scale=2)
net.pattern.lines.clear()
net.paths.add_polyline_path([(45, 5), (95, 5), (95, 35), (45, 35)], is_closed=True)
doc.saveas(sys.argv[1])
)");
    const Png png = draw("hatches.png");
    EXPECT_TRUE(inkAt(png, 17, 57, kRed));
    EXPECT_FALSE(inkAt(png, 33, 57, kRed));
    EXPECT_TRUE(inkAt(png, 55, 52, kGreen)) << "the clockwise arc runs below its chord";
    EXPECT_FALSE(inkAt(png, 55, 65, kGreen));

    std::size_t ring = 0;
    std::size_t island = 0;
    for (double x = 5.5; x < 35; x += 0.25) {
        for (double y = 5.5; y < 35; y += 0.25) {
            const bool inside = x > 12.5 && x < 27.5 && y > 12.5 && y < 27.5;
            if (inkAt(png, x, y, kBlue)) ++(inside ? island : ring);
        }
    }
    EXPECT_GT(ring, 300u);
    EXPECT_EQ(island, 0u);

    // Our NET in millimetres at scale 2: lines 6.35 apart each way.
    const double step = 0.125 * 25.4 * 2;
    EXPECT_TRUE(inkAt(png, 8.5 * step, 2 * step, kMagenta));
    EXPECT_TRUE(inkAt(png, 8 * step, 2.5 * step, kMagenta));
    EXPECT_FALSE(inkAt(png, 8.5 * step, 2.5 * step, kMagenta)) << "between the lines of both families";
    EXPECT_FALSE(inkAt(png, 100, 20, kMagenta));
}

TEST_F(RenderKindsTest, LinetypesDashLinesByTheirPatternAndScales) {
    loadFromEzdxf("linetypes", R"(
doc = ezdxf.new('R2010')
doc.linetypes.add('FENCE', pattern=[10, 6, -4], description='Fence ____  ____')
doc.linetypes.add('SPOTS', pattern=[5, 0, -5], description='Spots .  .  .')
doc.layers.add('BOUNDARY', color=5, linetype='FENCE')
msp = doc.modelspace()
msp.add_line((0, 10), (100, 10), dxfattribs={'linetype': 'FENCE', 'color': 1})
msp.add_line((0, 20), (100, 20), dxfattribs={'linetype': 'FENCE', 'color': 3, 'ltscale': 2})
msp.add_line((0, 30), (100, 30), dxfattribs={'layer': 'BOUNDARY'})
msp.add_lwpolyline([(0, 40), (13, 40), (13, 60)], dxfattribs={'linetype': 'FENCE', 'color': 6})
msp.add_line((20, 70), (100, 70), dxfattribs={'linetype': 'SPOTS', 'color': 4})
doc.saveas(sys.argv[1])
)");
    const Png png = draw("linetypes.png");
    for (const double dash : {3.0, 13.0, 53.0}) EXPECT_TRUE(inkAt(png, dash, 10, kRed)) << dash;
    for (const double gap : {8.0, 18.0, 58.0}) EXPECT_FALSE(inkAt(png, gap, 10, kRed)) << gap;
    EXPECT_TRUE(inkAt(png, 6, 20, kGreen)) << "the entity's scale doubles the pattern";
    EXPECT_FALSE(inkAt(png, 16, 20, kGreen));
    EXPECT_TRUE(inkAt(png, 3, 30, kBlue)) << "the layer's linetype";
    EXPECT_FALSE(inkAt(png, 8, 30, kBlue));
    // The pattern starts afresh at the vertex: a dash from 40 to 46, not a gap from 43.
    EXPECT_TRUE(inkAt(png, 13, 44.5, kMagenta));
    EXPECT_FALSE(inkAt(png, 13, 48, kMagenta));
    EXPECT_TRUE(inkAt(png, 25, 70, kCyan)) << "a dot every 5 units";
    EXPECT_FALSE(inkAt(png, 27.5, 70, kCyan));

    // Twice the drawing's scale doubles every pattern.
    db().setHeaderVar("$LTSCALE", {OwnedGroup::real(40, 2)});
    const Png scaled = draw("scaled.png");
    EXPECT_TRUE(inkAt(scaled, 6, 10, kRed));
    EXPECT_FALSE(inkAt(scaled, 16, 10, kRed));
}

TEST_F(RenderKindsTest, LineweightsWidenLinesOnlyWhenAsked) {
    loadFromEzdxf("weights", R"(
doc = ezdxf.new('R2010')
doc.layers.add('HEAVY', color=1, lineweight=100)
msp = doc.modelspace()
msp.add_line((10, 20), (90, 20), dxfattribs={'layer': 'HEAVY'})
msp.add_line((10, 50), (90, 50), dxfattribs={'color': 3, 'lineweight': 200})
doc.saveas(sys.argv[1])
)");
    const auto width = [&](const Png& png, double y, const render::Rgb& colour) {
        int rows = 0;
        const render::P2 p = px(50, y);
        for (int dy = -20; dy <= 20; ++dy) rows += png.inkNear(p.x, p.y + dy, colour, 0) ? 1 : 0;
        return rows;
    };
    const Png thin = draw("thin.png");
    EXPECT_LE(width(thin, 20, kRed), 2);
    EXPECT_LE(width(thin, 50, kGreen), 2);
    PictureOptions weighted = standard();
    weighted.lineweights = true;
    const Png heavy = draw("heavy.png", weighted);
    // 1 mm and 2 mm at 96 pixels to the inch.
    EXPECT_NEAR(width(heavy, 20, kRed), 3.8, 1.5);
    EXPECT_NEAR(width(heavy, 50, kGreen), 7.6, 1.5);
}

TEST_F(RenderKindsTest, DimensionsWithoutTheirBlockAndLeadersHaveArrowheads) {
    loadFromEzdxf("dimensions", R"(
doc = ezdxf.new('R2010')
doc.header['$DIMASZ'] = 4
doc.header['$DIMTXT'] = 3
doc.header['$DIMEXE'] = 2
msp = doc.modelspace()
msp.add_linear_dim(base=(50, 40), p1=(20, 20), p2=(80, 20), dxfattribs={'color': 1})
msp.add_leader([(10, 60), (30, 70), (45, 70)], dxfattribs={'color': 3})
doc.saveas(sys.argv[1])
)");
    ASSERT_FALSE(db().entityCount() == 0);
    const Png png = draw("dimensions.png");
    EXPECT_TRUE(inkAt(png, 50, 40, kRed) || inkAt(png, 40, 40, kRed)) << "the dimension line";
    EXPECT_TRUE(inkAt(png, 20, 30, kRed)) << "an extension line";
    EXPECT_TRUE(inkAt(png, 20, 41.5, kRed)) << "past the dimension line";
    EXPECT_FALSE(inkAt(png, 20, 44, kRed));
    // Filled arrowheads 4 long, a sixth as wide each side, tips at the feet.
    for (const double x : {22.5, 77.5}) {
        EXPECT_TRUE(inkAt(png, x, 40.4, kRed)) << x;
        EXPECT_TRUE(inkAt(png, x, 39.6, kRed)) << x;
    }
    EXPECT_FALSE(inkAt(png, 30, 39.2, kRed)) << "beyond the arrowhead's base";
    EXPECT_GT(png.count(kRed), 700u) << "and the measurement's text";
    EXPECT_TRUE(inkAt(png, 20, 65, kGreen)) << "the leader's line";
    EXPECT_TRUE(inkAt(png, 12.5, 61.7, kGreen)) << "its arrowhead, wider than the line";
    EXPECT_FALSE(inkAt(png, 15, 63.6, kGreen)) << "as far off the line past the arrowhead";
}

TEST_F(RenderKindsTest, KindsWithoutAShapeShowTheirFrames) {
    loadFromEzdxf("frames", R"(
doc = ezdxf.new('R2000')
msp = doc.modelspace()
picture = doc.add_image_def(filename='site-photo.jpg', size_in_pixel=(400, 200))
msp.add_image(picture, insert=(10, 10), size_in_units=(40, 20), dxfattribs={'color': 1})
solid = msp.add_3dsolid(dxfattribs={'color': 3})
solid.sat = ['700 0 1 0', '@33 Made for a test of the pictures @8 ACIS 7.0 @24 Sat Dec 07 00:00:00 2026',
             '1 9.9999999999999995e-07 1e-10', 'body $-1 -1 $-1 $1 $-1 $-1 #', 'point $-1 -1 $-1 60 40 0 #',
             'point $-1 -1 $-1 90 70 5 #', 'End-of-ACIS-data']
doc.saveas(sys.argv[1])
)");
    const Png png = draw("frames.png");
    EXPECT_TRUE(inkAt(png, 30, 10, kRed));
    EXPECT_TRUE(inkAt(png, 50, 20, kRed));
    EXPECT_FALSE(inkAt(png, 30, 20, kRed)) << "a frame, not a fill";
    EXPECT_TRUE(inkAt(png, 75, 40, kGreen)) << "the box its points span";
    EXPECT_TRUE(inkAt(png, 60, 55, kGreen));
    EXPECT_FALSE(inkAt(png, 75, 55, kGreen));
}

// The pattern and hatch pieces on their own, where files go wrong.
TEST(RenderPatterns, DamagedPatternsAndBoundariesDrawNothingWrong) {
    TableRecord record;
    record.groups = {OwnedGroup::string(2, "BAD"), OwnedGroup::real(49, 5), OwnedGroup::real(49, std::nan(""))};
    EXPECT_TRUE(render::linePattern(record).continuous()) << "no gap: no pattern";
    record.groups = {OwnedGroup::string(2, "ZERO"), OwnedGroup::real(49, 0), OwnedGroup::real(49, 0)};
    EXPECT_TRUE(render::linePattern(record).continuous());

    EXPECT_FALSE(render::tablePattern("ansi31").empty()) << "any case";
    EXPECT_TRUE(render::tablePattern("NO-SUCH").empty());
}

}  // namespace
}  // namespace zcad::testing
