// A ring as a lot: area, layers, colours, the mitred boundary and the label.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "pads/lot_boundary.h"

using namespace zapads;

namespace {

// A graph of bare nodes and the ring through them in order, closed.
struct Ring {
    PadGraph graph;
    std::vector<int> nodes;
};

Ring ringThrough(std::initializer_list<PadPoint> corners) {
    Ring r;
    for (const PadPoint& p : corners) {
        PadNode node;
        node.at = p;
        r.nodes.push_back(static_cast<int>(r.graph.nodes.size()));
        r.graph.nodes.push_back(node);
    }
    r.nodes.push_back(0);
    return r;
}

}  // namespace

TEST(LotBoundary, TheAreaIsSignedByTheWayRound) {
    const Ring ccw = ringThrough({{0, 0}, {20, 0}, {20, 30}, {0, 30}});
    EXPECT_DOUBLE_EQ(padRingArea(ccw.graph, ccw.nodes), 600);
    const Ring cw = ringThrough({{0, 0}, {0, 30}, {20, 30}, {20, 0}});
    EXPECT_DOUBLE_EQ(padRingArea(cw.graph, cw.nodes), -600);
    // Survey coordinates: the same area to the last digit printed.
    const Ring far = ringThrough({{512345.678, 6987654.321}, {512365.678, 6987654.321}, {512365.678, 6987684.321},
                                  {512345.678, 6987684.321}});
    EXPECT_NEAR(padRingArea(far.graph, far.nodes), 600, 1e-6);
}

TEST(LotBoundary, LayersByLotNumberAndColours) {
    std::string layer;
    padLotLayer("prefix", true, 98, layer);
    EXPECT_EQ(layer, "prefix98");
    padLotLayer("prefix", true, 99, layer);
    EXPECT_EQ(layer, "prefix99");
    padLotLayer("prefix", true, 100, layer);
    EXPECT_EQ(layer, "prefix100");
    padLotLayer("prefix", true, 5, layer);
    EXPECT_EQ(layer, "prefix05");
    padLotLayer("p", true, 12345, layer);
    EXPECT_EQ(layer, "p0012345");
    padLotLayer("", false, 7, layer);
    EXPECT_EQ(layer, "prop");
    padLotLayer("mklev", false, 7, layer);
    EXPECT_EQ(layer, "mklev");

    EXPECT_EQ(padLotColour(5), 62);
    EXPECT_EQ(padLotColour(24), 12);
    EXPECT_EQ(padLotColour(23), 242);
    EXPECT_EQ(padLotColour(-1), 242) << "a valid colour below zero too";
}

TEST(LotBoundary, TheOffsetMovesEverySideInsideByTheSameDistance) {
    const Ring lot = ringThrough({{0, 0}, {20, 0}, {20, 30}, {0, 30}});
    std::vector<ZaPoint> v;
    padBoundary(lot.graph, lot.nodes, 0.5, 42.5, v);
    const std::vector<ZaPoint> expected{{0.5, 0.5, 42.5}, {19.5, 0.5, 42.5}, {19.5, 29.5, 42.5}, {0.5, 29.5, 42.5},
                                        {0.5, 0.5, 42.5}};
    ASSERT_EQ(v.size(), expected.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(v[i][static_cast<std::size_t>(k)], expected[i][static_cast<std::size_t>(k)], 1e-12);
    }

    // A slanted side: each side moves by the offset exactly (a mitre).
    const Ring slant = ringThrough({{0, 0}, {30, 0}, {10, 20}, {0, 20}});
    padBoundary(slant.graph, slant.nodes, 1.0, 0, v);
    const double distanceFromSlant = std::fabs((v[1][0] - 30) * 20 + (v[1][1] - 0) * 20) / std::hypot(20, 20);
    EXPECT_NEAR(distanceFromSlant, 1.0, 1e-12);
    EXPECT_NEAR(v[1][1], 1.0, 1e-12);

    // With no offset the vertices are the nodes.
    padBoundary(lot.graph, lot.nodes, 0, 0, v);
    EXPECT_EQ(v[2], (ZaPoint{20, 30, 0}));
}

TEST(LotBoundary, ASpikeAndCloseVerticesStayFinite) {
    // Out along a dangling line and back: the turn-round vertex moves
    // square to the line instead of to infinity.
    const Ring spike = ringThrough({{0, 0}, {10, 0}, {10, 10}, {10, 20}, {10, 10}, {0, 10}});
    std::vector<ZaPoint> v;
    padBoundary(spike.graph, spike.nodes, 0.5, 0, v);
    for (const ZaPoint& p : v) EXPECT_TRUE(std::isfinite(p[0]) && std::isfinite(p[1]));
    EXPECT_NEAR(v[3][0], 9.5, 1e-12);
    EXPECT_NEAR(v[3][1], 20, 1e-12);

    const Ring close = ringThrough({{0, 0}, {10, 0}, {10.0005, 0.0005}, {10, 10}});
    padBoundary(close.graph, close.nodes, 0, 0, v);
    EXPECT_EQ(v.size(), 4u) << "a vertex within the tolerance of the one before is left out";
}

TEST(LotBoundary, LabelsAndWhereTheyGo) {
    std::string label;
    padLotLabel(3, 600, label);
    EXPECT_EQ(label, "Lot 3 Area 600.0");
    padLotLabel(4, 1000.4, label);
    EXPECT_EQ(label, "Lot 4 Area 1000");
    padLotLabel(5, 250, label);
    EXPECT_EQ(label, "Lot 5 Area 250.00");

    PadText text;
    text.at = {10, 15};
    text.height = 2;
    const PadPoint below = padLabelPoint(text);
    EXPECT_NEAR(below.x, 10, 1e-12);
    EXPECT_NEAR(below.y, 12, 1e-12);
    text.rotation = std::numbers::pi / 2;
    const PadPoint turned = padLabelPoint(text);
    EXPECT_NEAR(turned.x, 13, 1e-12);
    EXPECT_NEAR(turned.y, 15, 1e-12);
}
