// Which layer a triangle goes on: slope through a layer control file,
// aspect in ten-degree classes, paint number through the triangle layer
// file; the drainage class of an edge; and the pace of progress lines.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "files/byte_source.h"
#include "files/line_reader.h"
#include "host_fixture.h"
#include "triangle_fixture.h"
#include "triangles/layer_control_file.h"
#include "triangles/surface_geometry.h"
#include "triangles/triangle_layering.h"
#include "triangles/triangle_progress.h"

namespace {

using namespace tritest;

// The normal of a surface falling at the given percent towards the given
// bearing (degrees clockwise from north).
ZaPoint normalOf(double percent, double bearing) {
    const double r = bearing * std::numbers::pi / 180.0;
    return {std::sin(r) * percent, std::cos(r) * percent, 100.0};
}

struct ControlRead {
    ControlFault fault;
    std::vector<SlopeEntry> entries;
};

ControlRead readControl(const std::string& text) {
    zafiles::LineReader lines(zafiles::memorySource(text));
    ControlRead read;
    read.fault = readLayerControl(lines, read.entries);
    return read;
}

std::string names(const std::vector<SlopeEntry>& entries) {
    std::string out;
    for (const auto& e : entries) out += e.layer + "@" + std::to_string(static_cast<int>(e.slope)) + " ";
    return out;
}

TEST(Surface, SlopeIsZeroForAClockwiseTriangleAndItsAspectTurnsRound) {
    const ZaPoint a{0, 0, 0}, b{10, 0, 0}, c{10, 10, 1};
    const ZaPoint up = surfaceNormal(a, b, c);
    const ZaPoint down = surfaceNormal(a, c, b);
    EXPECT_NEAR(slopePercent(up), 10.0, 1e-12);
    EXPECT_EQ(slopePercent(down), 0.0);
    // Rising to the north, the normal leans south.
    EXPECT_NEAR(aspectDegrees(up), 180.0, 1e-5);
    EXPECT_NEAR(aspectDegrees(down), 0.0, 1e-5);
    EXPECT_NEAR(aspectDegrees(normalOf(5, 290)), 290.0, 1e-4);
}

TEST(Surface, AspectClassesRoundToTheNearestTenAndEndAt360) {
    EXPECT_EQ(aspectClass(4.8), 0);
    EXPECT_EQ(aspectClass(4.9), 1);
    EXPECT_EQ(aspectClass(354.9), 36);
    EXPECT_EQ(aspectClass(359.99), 36);
    EXPECT_EQ(aspectClass(aspectDegrees({NAN, 1, 1})), 0);
}

TEST(Surface, EdgesAreRidgesStreamsSlopesOrFlat) {
    // Two triangles sharing the edge (0,0)-(0,10): a roof, a valley, a plane.
    const ZaPoint from{0, 0, 1}, to{0, 10, 1};
    const auto classify = [&](double westZ, double eastZ) {
        const ZaPoint west{-10, 0, westZ}, east{10, 0, eastZ};
        const ZaPoint top{to[0], to[1], from[2]};
        const ZaPoint mt = drainageNormal(surfaceNormal(west, from, top));
        const ZaPoint mu = drainageNormal(surfaceNormal(from, east, top));
        return classifyEdge(from, top, mt, mu, 0.001);
    };
    EXPECT_EQ(classify(0, 0), EdgeClass::Ridge);
    EXPECT_EQ(classify(2, 2), EdgeClass::Stream);
    EXPECT_EQ(classify(2, 0), EdgeClass::Slope);
    EXPECT_EQ(classify(1, 1), EdgeClass::Flat);
    EXPECT_EQ(classify(1, 0), EdgeClass::Edge);
}

TEST(LayerControlFile, ReadsThresholdsInOrderAndCleansNames) {
    const auto read = readControl(
        "# slope layers\r\n0 flat\r\n  5.0 Gentle-1 trailing words\r\nno number here\r\n12.5 ab c\r\n"
        "12.5 x.y\r\n15\r\n20 $Steep+_\r\n");
    EXPECT_EQ(read.fault, ControlFault::None);
    EXPECT_EQ(names(read.entries), "FLAT@0 GENTLE-1@5 AB@12 X@12 $STEEP+_@20 ");
}

TEST(LayerControlFile, RefusesAnEmptyNameAndAFallingSlopeKeepingWhatCameBefore) {
    auto read = readControl("0 flat\n12.5 .\n20 steep\n");
    EXPECT_EQ(read.fault, ControlFault::BadLayerName);
    EXPECT_EQ(names(read.entries), "FLAT@0 ");
    read = readControl("5 gentle\n4 steep\n");
    EXPECT_EQ(read.fault, ControlFault::NotAscending);
    EXPECT_EQ(names(read.entries), "GENTLE@5 ");
    EXPECT_EQ(readControl("-1 below\n").fault, ControlFault::NotAscending);
}

TEST(LayerControlFile, ReadsNoMoreThan79CharactersOfALine) {
    const std::string padding(77, ' ');
    const auto read = readControl(padding + "5 cut\n" + std::string(70, ' ') + "5 kept\n");
    EXPECT_EQ(names(read.entries), "KEPT@5 ");
}

// The layer found is checked through TriangleLayering below.
TEST(SlopeLayers, ASlopeBelowEveryThresholdHasNoLayer) {
    const auto found = slopeLayerOf({{5, "GENTLE"}, {15, "STEEP"}}, 3);
    EXPECT_EQ(found.layer, nullptr);
    EXPECT_EQ(found.position, 0);
}

TEST(TriangleLayerFile, SetsTheNamedPaintNumbersAndKeepsTheRest) {
    TriangleLayerNames names;
    const auto read = readTriangleLayers(
        "<?xml version=\"1.0\"?><zarvo_triangle_lay><name_of_layer>"
        "<layer colour=\"3\" name=\"GRASS\" texture=\"12\"/><layer colour=\"255\"/>"
        "<layer colour=\"256\" name=\"OUT\"/><layer colour=\"x\" name=\"BAD\"/><layer name=\"NONE\"/>"
        "<other colour=\"4\" name=\"SKIPPED\"/></name_of_layer></zarvo_triangle_lay>",
        names);
    EXPECT_TRUE(read.parsed);
    EXPECT_EQ(read.records, 2);
    EXPECT_EQ(names[3].name, "GRASS");
    EXPECT_EQ(names[255].name, "not set");
    EXPECT_FALSE(names[4].set);
    // A later file changes only what it names.
    readTriangleLayers("<zarvo_triangle_lay><name_of_layer><layer colour=\"4\" name=\"ROAD\"/></name_of_layer></zarvo_triangle_lay>",
                       names);
    EXPECT_EQ(names[3].name, "GRASS");
    EXPECT_EQ(names[4].name, "ROAD");
    EXPECT_FALSE(readTriangleLayers("<zarvo_triangle_lay><name_of_layer>", names).parsed);
    EXPECT_EQ(readTriangleLayers("<other/>", names).records, 0);
}

class Layering : public HostTest {};

// Paint numbers through the triangle layer file, and the colour pass:
// Loaders.PaintNumbersTakeTheNamesOfTheTriangleLayerFile.
TEST_F(Layering, AspectAndSlopeSchemesNameLayersAndMarkSlots) {
    UTTriangle t;
    TriangleLayering aspect;
    aspect.useAspects();
    EXPECT_EQ(aspect.layerOf(t, normalOf(10, 354.95)), "ang360");
    EXPECT_EQ(aspect.layerOf(t, normalOf(10, 92)), "ang090");
    EXPECT_TRUE(aspect.marked().test(36));
    EXPECT_TRUE(aspect.marked().test(9));

    TriangleLayering slope;
    slope.useSlopes({{0, "FLAT"}, {5, "GENTLE"}, {15, "STEEP"}}, true);
    EXPECT_EQ(slope.layerOf(t, normalOf(7, 0)), "GENTLE");
    EXPECT_EQ(slope.layerOf(t, normalOf(20, 0)), "STEEP");
    EXPECT_EQ(slope.marked().to_ulong(), 0b110u);
    EXPECT_EQ(slope.slotLayer(3), "FLAT");

    TriangleLayering empty;
    empty.useSlopes({}, false);
    EXPECT_EQ(empty.layerOf(t, normalOf(7, 0)), "0");
    EXPECT_TRUE(empty.marked().test(0));
}

using Progress = HostTest;

TEST_F(Progress, ReportsWidenWhileFastAndThePaceCarriesIntoTheNextPass) {
    // Construction and the pass start at 0; reports at 0.1, 0.2 and 0.3 s
    // come fast, the fourth (0.9 s) slow, the fifth (1.0 s) fast again.
    ticks = {0, 0, 100, 200, 300, 900, 1000, 1100, 2000};
    TriangleProgress progress(scriptedClock);
    progress.startPass("Points: %lld \n", false);
    for (int i = 0; i < 1000; ++i) ASSERT_FALSE(progress.cancelledAt(i));
    EXPECT_EQ(output_, "Points: 0 \nPoints: 10 \nPoints: 50 \nPoints: 250 \nPoints: 500 \n");
    output_.clear();
    progress.startPass("Triangles: %lld \n", true);
    for (int i = 0; i < 1000; ++i) ASSERT_FALSE(progress.cancelledAt(i));
    // A new pass starts at item 0 but keeps the step of 1250: a fresh pace
    // would report again at item 2.
    EXPECT_EQ(output_, "Triangles: 0 \n");
}

TEST_F(Progress, ABreakAtAReportCancels) {
    ticks = {0};
    TriangleProgress progress(scriptedClock);
    progress.startPass("\nTriangles: %lld \n", true);
    zcad::test::breakAfterPolls(2);
    EXPECT_FALSE(progress.cancelledAt(0));
    EXPECT_FALSE(progress.cancelledAt(1));  // no report here: no poll
    EXPECT_TRUE(progress.cancelledAt(10));
    EXPECT_EQ(output_, "\nTriangles: 0 \n\nTriangles: 10 \n\n*Cancel*\n");
}

}  // namespace
