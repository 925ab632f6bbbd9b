// The planar graph without a host: lines cut where they cross or meet, the
// nodes and their tidy-up, and the faces traced around texts.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "pads/face_trace.h"
#include "pads/line_list.h"
#include "pads/lot_boundary.h"
#include "pads/node_graph.h"
#include "pads/segment_chain.h"

using namespace zapads;

namespace {

PadSegment seg(double x1, double y1, double x2, double y2) { return {{x1, y1}, {x2, y2}}; }

std::vector<PadSegment> rectangle(double x0, double y0, double x1, double y1) {
    return {seg(x0, y0, x1, y0), seg(x1, y0, x1, y1), seg(x1, y1, x0, y1), seg(x0, y1, x0, y0)};
}

PadGraph graphOf(const std::vector<PadSegment>& segments) {
    PadGraph graph;
    PadLineCounts counts;
    graph.lines = padLineList(segments, {}, counts);
    EXPECT_FALSE(padNodeGraph(graph, {}).crowded);
    return graph;
}

// The area of the face around the point; 0 when none closes.
double faceArea(const PadGraph& graph, ZaPoint at) {
    std::vector<int> ring;
    if (PadFaceFinder(graph).trace(at, ring) != PadTrace::Closed) return 0;
    return padRingArea(graph, ring);
}

int linesAt(const PadGraph& graph, ZaPoint at) {
    for (const PadNode& node : graph.nodes) {
        if (node.at == at) return node.count;
    }
    return -1;
}

}  // namespace

TEST(PadCrossing, OnlyAStrictCrossingInsideTheFirstSegmentCounts) {
    const auto x = padCrossing({0, 0}, {10, 0}, {4, -2}, {4, 3});
    ASSERT_TRUE(x);
    EXPECT_DOUBLE_EQ(x->x, 4);
    EXPECT_DOUBLE_EQ(x->y, 0);
    EXPECT_FALSE(padCrossing({0, 0}, {10, 0}, {4, 0}, {4, 3})) << "an end on the line is no crossing";
    EXPECT_FALSE(padCrossing({0, 0}, {10, 0}, {0.0005, -1}, {0.0005, 1})) << "within the margin of an end";
    EXPECT_FALSE(padCrossing({0, 0}, {10, 0}, {2, 0}, {8, 0})) << "collinear";
    EXPECT_FALSE(padCrossing({0, 0}, {0.0005, 0}, {0.0002, -1}, {0.0002, 1})) << "too short to cut";
    EXPECT_FALSE(padCrossing({0, 0}, {10, 0}, {12, -1}, {12, 1})) << "beyond the end";
}

TEST(PadLineList, CrossingLinesAreCutWhateverOrderTheCrossingsComeIn) {
    // The long line meets the later crossing first along it: every cut is
    // still made, on it and on each crossing line.
    const std::vector<PadSegment> segments{seg(8, -5, 8, 5), seg(2, -5, 2, 5), seg(0, 0, 10, 0)};
    PadLineCounts counts;
    const auto lines = padLineList(segments, {}, counts);
    EXPECT_EQ(lines.size(), 7u);
    PadGraph graph;
    graph.lines = lines;
    ASSERT_FALSE(padBuildNodes(graph, {}).crowded);
    EXPECT_EQ(linesAt(graph, {2, 0}), 4);
    EXPECT_EQ(linesAt(graph, {8, 0}), 4);
}

TEST(PadLineList, ALineEndingOnAnotherCutsItSoBothLotsClose) {
    // A rectangle split by a LINE whose ends lie on its long sides, and a
    // stem from a polyline vertex ending on the right side.
    auto segments = rectangle(0, 0, 40, 20);
    segments.push_back(seg(20, 0, 20, 20));
    segments.push_back(seg(60, 10, 40, 10));
    const PadGraph graph = graphOf(segments);
    EXPECT_NEAR(faceArea(graph, {10, 10}), 400, 1e-9);
    EXPECT_NEAR(faceArea(graph, {30, 15}), 400, 1e-9);
    EXPECT_EQ(linesAt(graph, {40, 10}), 2) << "the stem was cut, then its dangling end removed";
}

TEST(PadLineList, ShortLinesGoAndTheLastTakesTheirPlace) {
    std::vector<PadLine> lines(4);
    lines[0].b = {5, 0};
    lines[1].b = {0.005, 0};
    lines[2].b = {0, 7};
    lines[3].b = {0.01, 0};
    EXPECT_EQ(padRemoveShortLines(lines), 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].b, (ZaPoint{0, 7}));
}

TEST(PadNodes, EndsWithinTheToleranceShareANodeAndATwelfthLineIsTheLast) {
    PadGraph graph;
    graph.lines = {PadLine{{0, 0}, {10, 0}}, PadLine{{10.0009, 0.0009}, {10, 10}}, PadLine{{10.0011, 0}, {20, 0}}};
    ASSERT_FALSE(padBuildNodes(graph, {}).crowded);
    EXPECT_EQ(graph.lines[0].node2, graph.lines[1].node1);
    EXPECT_NE(graph.lines[0].node2, graph.lines[2].node1);
    EXPECT_NEAR(graph.lines[1].angle, std::numbers::pi / 2, 1e-3);

    PadGraph star;
    for (int i = 0; i < 12; ++i) star.lines.push_back(PadLine{{0, 0}, {std::cos(i * 0.5), std::sin(i * 0.5)}});
    EXPECT_FALSE(padBuildNodes(star, {}).crowded);
    star.lines.push_back(PadLine{{0, 0}, {-3, -3}});
    EXPECT_TRUE(padBuildNodes(star, {}).crowded);
}

TEST(PadNodes, DuplicatesKeepTheLaterLineAndSingleLinesGoInOnePass) {
    PadGraph graph;
    // Two copies of one side, and a chain of two dangling lines.
    graph.lines = {PadLine{{0, 0}, {10, 0}}, PadLine{{10, 0}, {0, 0}}, PadLine{{10, 0}, {10, 10}},
                   PadLine{{10, 10}, {0, 0}}, PadLine{{10, 10}, {20, 20}}, PadLine{{20, 20}, {30, 30}}};
    ASSERT_FALSE(padBuildNodes(graph, {}).crowded);
    padTidyDuplicates(graph);
    const PadNode& origin = graph.nodes[static_cast<std::size_t>(graph.lines[0].node1)];
    ASSERT_EQ(origin.count, 2);
    EXPECT_EQ(origin.lines[0], 1) << "the earlier copy went";
    padRemoveSingleLines(graph);
    // The far end of the chain lost its line; the middle node, earlier in
    // the order, is left with one and keeps it.
    EXPECT_EQ(linesAt(graph, {30, 30}), 0);
    EXPECT_EQ(linesAt(graph, {20, 20}), 1);
    EXPECT_EQ(linesAt(graph, {10, 10}), 3);
}

// Two lots sharing a side and a text outside are the command's test.
TEST(PadFaces, TheWalkStartsFromACornerOrASideAndOutsideRunsClockwise) {
    const PadGraph one = graphOf(rectangle(0, 0, 20, 30));
    EXPECT_DOUBLE_EQ(faceArea(one, {0.5, 0.4}), 600);
    EXPECT_DOUBLE_EQ(faceArea(one, {19.9, 12}), 600);
    EXPECT_LT(faceArea(one, {-3, -3}), 0);

    std::vector<int> ring;
    EXPECT_EQ(PadFaceFinder(PadGraph{}).trace({1, 1}, ring), PadTrace::Incomplete) << "no linework at all";
}

TEST(PadFaces, ARingThatWouldRunPastTheStepLimitIsIncomplete) {
    // A polygon of 1100 sides: the walk stops after 1014 steps.
    std::vector<PadSegment> segments;
    constexpr int kSides = 1100;
    const auto corner = [](int i) {
        const double a = 2 * std::numbers::pi * i / kSides;
        return ZaPoint{1000 * std::cos(a), 1000 * std::sin(a)};
    };
    for (int i = 0; i < kSides; ++i) segments.push_back({corner(i), corner(i + 1)});
    const PadGraph graph = graphOf(segments);
    std::vector<int> ring;
    EXPECT_EQ(PadFaceFinder(graph).trace({0, 0}, ring), PadTrace::Incomplete);
    EXPECT_EQ(ring.size(), 1015u);
}

TEST(PadChain, APointTooCloseIsPassedOverAndTheChainStillReachesItsEnd) {
    std::vector<PadSegment> segments;
    PadChain chain(segments);
    chain.start({0, 0});
    chain.to({10, 0});
    chain.to({10.01, 0.01});  // a vertex 1.4 cm on: no segment of its own
    chain.to({10, 10});
    chain.to({10.02, 10});    // the last, too close to the one before
    chain.end();
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[1].a, (ZaPoint{10, 0}));
    EXPECT_EQ(segments[1].b, (ZaPoint{10.02, 10}));

    segments.clear();
    padAppendLine(segments, {0, 0}, {0.02, 0.02});
    EXPECT_TRUE(segments.empty()) << "a LINE that short is not stored";
}

TEST(PadChain, ArcChordsRunFromVertexToVertexByTheRule) {
    std::vector<PadSegment> segments;
    PadChain chain(segments);
    // A semicircle of radius 10 from (0,0) to (20,0), counter-clockwise:
    // below the chord. Quarterly, 2 divisions: 4 chords.
    ZaBreakupOptions rule;
    rule.type = kZaBreakupQuarterly;
    rule.value = 2;
    chain.start({0, 0});
    padAppendArc(chain, {0, 0}, {20, 0}, 1.0, rule);
    chain.end();
    ASSERT_EQ(segments.size(), 4u);
    EXPECT_EQ(segments.front().a, (ZaPoint{0, 0}));
    EXPECT_EQ(segments.back().b, (ZaPoint{20, 0})) << "the vertex itself, not the point worked out again";
    EXPECT_NEAR(segments[1].b.x, 10, 1e-9);
    EXPECT_NEAR(segments[1].b.y, -10, 1e-9);
}
