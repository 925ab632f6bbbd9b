// Each kind of entity drawn where it lies, in its colour; what is hidden
// stays out of the picture.
#include <cmath>

#include "render_test_support.h"
#include "zcad/dxf.h"

namespace zcad::testing {
namespace {

using RenderEntitiesTest = RenderTest;

TEST_F(RenderEntitiesTest, EachKindIsDrawnWhereItLiesInItsColour) {
    addLayer("ROADS", 1);
    ListBuilder("LINE", "ROADS").point(10, 10, 10).point(11, 40, 10).append(db());
    ListBuilder("CIRCLE").point(10, 70, 50).real(40, 10).integer(62, 3).append(db());
    ListBuilder("ARC").point(10, 20, 50).real(40, 10).real(50, 0).real(51, M_PI).integer(62, 5).append(db());
    ListBuilder("SOLID").point(10, 60, 10).point(11, 80, 10).point(12, 60, 20).point(13, 80, 20).integer(62, 4).append(db());
    const EntityId poly3d = ListBuilder("POLYLINE").integer(66, 1).integer(70, 8).integer(62, 6).append(db());
    (void)poly3d;
    ListBuilder("VERTEX").point(10, 10, 30, 5).integer(70, 32).append(db());
    ListBuilder("VERTEX").point(10, 40, 30, -7).integer(70, 32).append(db());
    ListBuilder("SEQEND").append(db());
    db().setHeaderVar("$PDMODE", {OwnedGroup::integral(70, 3)});
    db().setHeaderVar("$PDSIZE", {OwnedGroup::real(40, 4)});
    ListBuilder("POINT").point(10, 90, 70).append(db());

    const Png png = draw("kinds.png");
    ASSERT_TRUE(png.valid());
    EXPECT_TRUE(inkAt(png, 25, 10, kRed)) << "line, by its layer";
    EXPECT_TRUE(inkAt(png, 70, 60, kGreen)) << "circle";
    EXPECT_FALSE(inkAt(png, 70, 50, kGreen));
    EXPECT_TRUE(inkAt(png, 20, 60, kBlue)) << "arc, counter-clockwise from 0";
    EXPECT_FALSE(inkAt(png, 20, 40, kBlue));
    EXPECT_TRUE(inkAt(png, 70, 15, kCyan)) << "solid, filled";
    EXPECT_TRUE(inkAt(png, 25, 30, kMagenta)) << "3D polyline in plan";
    EXPECT_TRUE(inkAt(png, 91, 71, kInk)) << "point as a cross 4 units wide";
    EXPECT_FALSE(inkAt(png, 90, 72, kInk));
}

TEST_F(RenderEntitiesTest, BulgeArcsPassThroughTheirMidPoints) {
    // Bulge 1: a half circle, counter-clockwise from the first vertex, so
    // below a chord drawn eastwards. Bulge -0.5 rises by a quarter chord.
    ListBuilder("LWPOLYLINE").integer(90, 2).integer(62, 1).flat(10, 10, 40).real(42, 1).flat(10, 50, 40).append(db());
    ListBuilder("POLYLINE").integer(66, 1).point(10, 0, 0, 0).integer(62, 3).append(db());
    ListBuilder("VERTEX").point(10, 60, 40).real(42, -0.5).append(db());
    ListBuilder("VERTEX").point(10, 90, 40).append(db());
    ListBuilder("SEQEND").append(db());

    const Png png = draw("bulges.png");
    EXPECT_TRUE(inkAt(png, 30, 20, kRed));
    EXPECT_FALSE(inkAt(png, 30, 40, kRed));
    EXPECT_TRUE(inkAt(png, 75, 47.5, kGreen));
    EXPECT_FALSE(inkAt(png, 75, 40, kGreen));
}

TEST_F(RenderEntitiesTest, HiddenEdgesLayersAndEntitiesStayOut) {
    addLayer("FROZEN", 1, 1);
    addLayer("OFF", -1);
    ListBuilder("LINE", "FROZEN").point(10, 10, 70).point(11, 90, 70).append(db());
    ListBuilder("LINE", "OFF").point(10, 10, 65).point(11, 90, 65).append(db());
    ListBuilder("LINE").point(10, 10, 60).point(11, 90, 60).integer(60, 1).append(db());
    // Edges 1 and 3 hidden: the bottom and the top of the square.
    ListBuilder("3DFACE").point(10, 10, 10).point(11, 30, 10).point(12, 30, 30).point(13, 10, 30).integer(70, 5).append(db());
    // A polyface of one triangle whose second edge (from vertex 2) is hidden.
    ListBuilder("POLYLINE").integer(66, 1).integer(70, 64).integer(71, 3).integer(72, 1).append(db());
    ListBuilder("VERTEX").point(10, 50, 10).integer(70, 192).append(db());
    ListBuilder("VERTEX").point(10, 90, 10).integer(70, 192).append(db());
    ListBuilder("VERTEX").point(10, 90, 50).integer(70, 192).append(db());
    ListBuilder("VERTEX").point(10, 0, 0).integer(70, 128).integer(71, 1).integer(72, -2).integer(73, 3).append(db());
    ListBuilder("SEQEND").append(db());

    const Png png = draw("hidden.png");
    EXPECT_EQ(png.count(kRed), 0u) << "frozen and off layers";
    EXPECT_FALSE(inkAt(png, 50, 60, kInk)) << "invisible entity";
    EXPECT_TRUE(inkAt(png, 10, 20, kInk));
    EXPECT_TRUE(inkAt(png, 30, 20, kInk));
    EXPECT_FALSE(inkAt(png, 20, 10, kInk));
    EXPECT_FALSE(inkAt(png, 20, 30, kInk));
    EXPECT_TRUE(inkAt(png, 70, 10, kInk));
    EXPECT_TRUE(inkAt(png, 70, 30, kInk));
    EXPECT_FALSE(inkAt(png, 90, 30, kInk));
}

// A drawing with blocks as a file gives it: INSERTs drawn through them,
// BYBLOCK colour from the INSERT, arrays of copies, and a block that
// inserts itself drawn once instead of for ever.
TEST_F(RenderEntitiesTest, InsertsAreDrawnThroughTheirBlocks) {
    const std::string text =
        "0\nSECTION\n2\nBLOCKS\n"
        "0\nBLOCK\n8\n0\n2\nBAR\n70\n0\n10\n1\n20\n1\n30\n0\n"
        "0\nLINE\n8\n0\n62\n0\n10\n1\n20\n1\n30\n0\n11\n11\n21\n1\n31\n0\n0\nENDBLK\n8\n0\n"
        "0\nBLOCK\n8\n0\n2\nLOOP\n70\n0\n10\n0\n20\n0\n30\n0\n"
        "0\nCIRCLE\n8\n0\n10\n0\n20\n0\n30\n0\n40\n2\n"
        "0\nINSERT\n8\n0\n2\nLOOP\n10\n1\n20\n0\n30\n0\n0\nENDBLK\n8\n0\n"
        "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
        "0\nINSERT\n8\n0\n62\n1\n2\nBAR\n10\n50\n20\n20\n30\n0\n41\n2\n42\n2\n50\n90\n"
        "0\nINSERT\n8\n0\n62\n3\n2\nbar\n10\n10\n20\n60\n30\n0\n70\n2\n44\n30\n"
        "0\nINSERT\n8\n0\n2\nLOOP\n10\n80\n20\n60\n30\n0\n"
        "0\nENDSEC\n0\nEOF\n";
    std::string error;
    auto loaded = readDxfText(text, error);
    ASSERT_TRUE(loaded) << error;
    replaceCurrentDatabase(std::move(loaded));

    const Png png = draw("blocks.png");
    EXPECT_TRUE(inkAt(png, 50, 30, kRed)) << "scaled 2 and turned 90 degrees about the base point";
    EXPECT_FALSE(inkAt(png, 60, 20, kRed));
    EXPECT_TRUE(inkAt(png, 15, 60, kGreen));
    EXPECT_TRUE(inkAt(png, 45, 60, kGreen)) << "the second column, 30 along";
    EXPECT_TRUE(inkAt(png, 80, 62, kInk));
}

// Layers first met inside a block, more than the looks kept so far, leave
// the INSERT's own layer where its entities on layer 0 find it.
TEST_F(RenderEntitiesTest, ABlockOfManyLayersKeepsItsInsertsLayer) {
    std::string text = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n8\n0\n2\nMANY\n70\n0\n10\n0\n20\n0\n30\n0\n";
    for (int k = 0; k < 300; ++k) {
        text += "0\nPOINT\n8\nL" + std::to_string(k) + "\n10\n" + std::to_string(k % 50) + "\n20\n70\n30\n0\n";
    }
    text += "0\nLINE\n8\n0\n10\n10\n20\n20\n30\n0\n11\n90\n21\n20\n31\n0\n0\nENDBLK\n8\n0\n0\nENDSEC\n";
    text += "0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\nROADS\n2\nMANY\n10\n0\n20\n0\n30\n0\n0\nENDSEC\n0\nEOF\n";
    std::string error;
    auto loaded = readDxfText(text, error);
    ASSERT_TRUE(loaded) << error;
    replaceCurrentDatabase(std::move(loaded));
    addLayer("ROADS", 1);
    EXPECT_TRUE(inkAt(draw("many.png"), 50, 20, kRed)) << "the line on layer 0 takes the INSERT's layer";
}

TEST_F(RenderEntitiesTest, TextFillsTheBoxTheHostMeasures) {
    ListBuilder("TEXT").point(10, 20, 30).real(40, 10).real(41, 1.5).text(1, "HH").integer(62, 1).append(db());
    resbuf* list = acutBuildList(RTDXF0, "TEXT", 1, "HH", 40, 10.0, 41, 1.5, 0);
    ads_point low;
    ads_point high;
    ASSERT_EQ(acedTextBox(list, low, high), RTNORM);
    acutRelRb(list);

    const Png png = draw("text.png");
    const render::P2 a = px(20 + low[X], 30 + low[Y]);
    const render::P2 b = px(20 + high[X], 30 + high[Y]);
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (int y = 0; y < png.height(); ++y) {
        for (int x = 0; x < png.width(); ++x) {
            if (!png.inkNear(x, y, kRed, 0)) continue;
            left = std::min<double>(left, x);
            right = std::max<double>(right, x);
            top = std::min<double>(top, y);
            bottom = std::max<double>(bottom, y);
        }
    }
    // Capitals stand on the baseline and reach the height; each keeps a
    // fifth of its cell free on either side.
    const double cell = (b.x - a.x) / 2;
    EXPECT_NEAR(top, b.y, 2);
    EXPECT_NEAR(bottom, a.y, 2);
    EXPECT_NEAR(left, a.x + 0.2 * cell, 2);
    EXPECT_NEAR(right, b.x - 0.2 * cell, 2);
}

TEST_F(RenderEntitiesTest, EmptyAndDegenerateDrawingsGiveAPicture) {
    PictureOptions extents;
    extents.width = 64;
    extents.height = 48;
    const Png empty = draw("empty.png", extents);
    ASSERT_TRUE(empty.valid());
    EXPECT_EQ(empty.width(), 64);
    EXPECT_EQ(empty.at(32, 24), (render::Rgb{255, 255, 255}));

    ListBuilder("POINT").point(10, 5, 5).append(db());
    ListBuilder("LINE").point(10, 5, 5).point(11, 5, 5).append(db());
    const Png point = draw("point.png", extents);
    EXPECT_TRUE(point.inkNear(32, 24, kInk));

    ListBuilder("LINE").point(10, -1e300, 0).point(11, 1e300, 1e300).append(db());
    ListBuilder("CIRCLE").point(10, 0, 0).real(40, 1e305).append(db());
    ListBuilder("LINE").point(10, std::nan(""), 0).point(11, 1, 1).append(db());
    EXPECT_TRUE(draw("huge.png", extents).valid());

    extents.window = PictureWindow{3, 3, 3, 3};
    extents.dark = true;
    const Png dark = draw("dark.png", extents);
    EXPECT_EQ(dark.at(0, 0), (render::Rgb{33, 40, 48}));
}

// A drawing large enough to be drawn in parts on several threads gives the
// picture one thread gives, later entities over earlier ones: pixels differ
// only where many faint passes of anti-aliasing round differently.
TEST_F(RenderEntitiesTest, PartsDrawnOnThreadsLayUpAsOneThreadDrawsThem) {
    for (int i = 0; i < 60000; ++i) {
        const double x = (i * 37) % 97;
        const double y = (i * 53) % 73;
        const int colour = 1 + i % 6;
        if (i % 3 == 0) ListBuilder("LINE").point(10, x, y).point(11, x + 4, y + 1.5).integer(62, colour).append(db());
        if (i % 3 == 1) ListBuilder("CIRCLE").point(10, x, y).real(40, 1.5).integer(62, colour).append(db());
        if (i % 3 == 2) ListBuilder("SOLID").point(10, x, y).point(11, x + 2, y).point(12, x, y + 2).integer(62, colour).append(db());
    }
    std::vector<EntityId> all;
    for (EntityId id = 0; id < db().entityCount(); ++id) all.push_back(id);
    PictureOptions one = standard();
    one.only = std::span<const EntityId>(all);
    const Png parts = draw("parts.png");
    const Png single = draw("single.png", one);
    std::size_t far = 0;
    double total = 0;
    for (int y = 0; y < parts.height(); ++y) {
        for (int x = 0; x < parts.width(); ++x) {
            const render::Rgb a = parts.at(x, y);
            const render::Rgb b = single.at(x, y);
            const int worst = std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
            far += worst > 24 ? 1 : 0;
            total += worst;
        }
    }
    const double pixels = static_cast<double>(parts.width()) * parts.height();
    EXPECT_LT(static_cast<double>(far), pixels / 2000);
    EXPECT_LT(total / pixels, 0.5);
}

}  // namespace
}  // namespace zcad::testing
