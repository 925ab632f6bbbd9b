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

Ring ringThrough(std::initializer_list<ZaPoint> corners) {
    Ring r;
    for (const ZaPoint& p : corners) {
        PadNode node;
        node.at = p;
        r.nodes.push_back(static_cast<int>(r.graph.nodes.size()));
        r.graph.nodes.push_back(node);
    }
    r.nodes.push_back(0);
    return r;
}

}  // namespace

TEST(LotBoundary, TheAreaIsSignedByTheWayRoundAndExactFarFromTheOrigin) {
    const Ring cw = ringThrough({{0, 0}, {0, 30}, {20, 30}, {20, 0}});
    EXPECT_DOUBLE_EQ(padRingArea(cw.graph, cw.nodes), -600);
    const Ring far = ringThrough({{512345.678, 6987654.321}, {512365.678, 6987654.321}, {512365.678, 6987684.321},
                                  {512345.678, 6987684.321}});
    EXPECT_NEAR(padRingArea(far.graph, far.nodes), 600, 1e-6);
}

// 98 to 100 on a layer each are the command's test; here the padding.
TEST(LotBoundary, LayersByLotNumberAndColours) {
    const struct {
        const char* prefix;
        bool newLayer;
        int lot;
        const char* layer;
    } rows[] = {{"prefix", true, 5, "prefix05"}, {"p", true, 12345, "p0012345"}, {"", false, 7, "prop"},
                {"mklev", false, 7, "mklev"}};
    std::string layer;
    for (const auto& r : rows) {
        padLotLayer(r.prefix, r.newLayer, r.lot, layer);
        EXPECT_EQ(layer, r.layer);
    }
    EXPECT_EQ(padLotColour(23), 242);
    EXPECT_EQ(padLotColour(24), 12);
    EXPECT_EQ(padLotColour(-1), 242) << "a valid colour below zero too";
}

// The square lot and no offset at all are the command's tests.
TEST(LotBoundary, ASlantedSideMovesInsideByTheOffsetExactly) {
    const Ring slant = ringThrough({{0, 0}, {30, 0}, {10, 20}, {0, 20}});
    std::vector<ZaPoint> v;
    padBoundary(slant.graph, slant.nodes, 1.0, 0, v);
    const double distanceFromSlant = std::fabs((v[1][0] - 30) * 20 + (v[1][1] - 0) * 20) / std::hypot(20, 20);
    EXPECT_NEAR(distanceFromSlant, 1.0, 1e-12);
    EXPECT_NEAR(v[1][1], 1.0, 1e-12);
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
    padLotLabel(4, 1000.4, label);
    EXPECT_EQ(label, "Lot 4 Area 1000");
    padLotLabel(5, 250, label);
    EXPECT_EQ(label, "Lot 5 Area 250.00");

    // Unturned, 1.5 heights below: the command's test.
    PadText text;
    text.at = {10, 15};
    text.height = 2;
    text.rotation = std::numbers::pi / 2;
    const ZaPoint turned = padLabelPoint(text);
    EXPECT_NEAR(turned.x, 13, 1e-12);
    EXPECT_NEAR(turned.y, 15, 1e-12);
}

// Where shapely's buffer(-offset) of the lot is empty, no pad is made;
// where it is not, the pad is that inset.
TEST(LotBoundary, AnInsetThatVanishesOrTurnsOverIsNoPad) {
    const Ring square = ringThrough({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    const Ring strip = ringThrough({{0, 0}, {40, 0}, {40, 4}, {0, 4}});
    const Ring ell = ringThrough({{0, 0}, {20, 0}, {20, 4}, {4, 4}, {4, 20}, {0, 20}});
    const struct {
        const Ring* ring;
        double offset;
        bool pad;
        double area;  // of shapely's inset, where there is one
    } cases[] = {
        {&square, 1, true, 64},     {&square, 4.9, true, 0.04}, {&square, 5, false, 0},  {&square, 6, false, 0},
        {&square, 1e9, false, 0},   {&square, 1e308, false, 0}, {&strip, 1.5, true, 37}, {&strip, 2.5, false, 0},
        {&ell, 1, true, 2 * 18 + 2 * 16}, {&ell, 2.5, false, 0},
    };
    std::vector<ZaPoint> v;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        ASSERT_EQ(padBoundary(c.ring->graph, c.ring->nodes, c.offset, 0, v), c.pad);
        if (!c.pad) continue;
        double twice = 0;
        for (std::size_t i = 1; i < v.size(); ++i) twice += v[i - 1][0] * v[i][1] - v[i - 1][1] * v[i][0];
        EXPECT_NEAR(twice / 2, c.area, 1e-9);
    }
}
