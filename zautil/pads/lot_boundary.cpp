#include "pads/lot_boundary.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace zapads {

namespace {

// Lot colours step through 24 shades of the colour wheel.
constexpr int kColourShades = 24;

// Below this |w|^2 the two edges at a vertex run back on each other (a
// spike) and the mitre has no width to divide by.
constexpr double kSpike = 1e-12;

struct Direction {
    double x = 0;
    double y = 0;
    bool valid = false;
};

Direction unitFrom(const ZaPoint& a, const ZaPoint& b) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (!(length >= kPadNodeTolerance)) return {};
    return {(b.x - a.x) / length, (b.y - a.y) / length, true};
}

// How far a vertex moves: `offset` to the left of both edges, meeting in a
// mitre. An edge too short to have a direction borrows the other's; a
// spike moves square to the edge that arrives.
ZaPoint shiftAt(Direction arriving, Direction leaving, double offset) {
    if (!arriving.valid && !leaving.valid) return {};
    if (!arriving.valid) arriving = leaving;
    if (!leaving.valid) leaving = arriving;
    const double wx = (leaving.x + arriving.x) / 2;
    const double wy = (leaving.y + arriving.y) / 2;
    const double w2 = wx * wx + wy * wy;
    if (w2 < kSpike) return {-arriving.y * offset, arriving.x * offset};
    return {-wy * offset / w2, wx * offset / w2};
}

const ZaPoint& nodeAt(const PadGraph& graph, int node) { return graph.nodes[static_cast<std::size_t>(node)].at; }

}  // namespace

// Measured from the first node: the same sum, without the cancellation of
// large survey coordinates multiplied together.
double padRingArea(const PadGraph& graph, std::span<const int> ring) {
    if (ring.empty()) return 0;
    const ZaPoint& origin = nodeAt(graph, ring.front());
    double twice = 0;
    for (std::size_t i = 1; i < ring.size(); ++i) {
        const ZaPoint& from = nodeAt(graph, ring[i - 1]);
        const ZaPoint& to = nodeAt(graph, ring[i]);
        twice += (from.x - origin.x) * (to.y - origin.y) - (from.y - origin.y) * (to.x - origin.x);
    }
    return twice / 2;
}

void padLotLayer(std::string_view prefix, bool layerPerLot, int lot, std::string& layer) {
    layer.assign(prefix.empty() ? std::string_view("prop") : prefix);
    if (!layerPerLot) return;
    const int digits = lot < 100 ? 2 : lot < 1000 ? 3 : lot < 10000 ? 4 : 7;
    char number[24];
    std::snprintf(number, sizeof number, "%.*d", digits, lot);
    layer += number;
}

// A lot numbered below zero takes a shade too, never an index AutoCAD lacks.
int padLotColour(int lot) { return ((lot % kColourShades + kColourShades) % kColourShades) * 10 + 12; }

bool padBoundary(const PadGraph& graph, std::span<const int> ring, double offset, double level,
                 std::vector<ZaPoint>& vertices) {
    vertices.clear();
    if (ring.size() < 2) return false;
    const std::size_t edges = ring.size() - 1;
    bool turned = false;
    ZaPoint previous{};
    for (std::size_t k = 0; k <= edges; ++k) {
        const std::size_t leaving = k == edges ? 0 : k;
        const std::size_t arriving = k == 0 ? edges - 1 : k - 1;
        const ZaPoint& at = nodeAt(graph, ring[k]);
        const Direction arrivingEdge = unitFrom(nodeAt(graph, ring[arriving]), nodeAt(graph, ring[arriving + 1]));
        const ZaPoint shift =
            offset == 0 ? ZaPoint{}
                        : shiftAt(arrivingEdge, unitFrom(nodeAt(graph, ring[leaving]), nodeAt(graph, ring[leaving + 1])),
                                  offset);
        const ZaPoint vertex{at.x + shift.x, at.y + shift.y, level};
        // An edge of the pad running against its side of the lot: the inset
        // has turned over, as a side shorter than twice the offset makes it.
        if (k > 0 && arrivingEdge.valid &&
            (vertex[0] - previous[0]) * arrivingEdge.x + (vertex[1] - previous[1]) * arrivingEdge.y <
                -kPadNodeTolerance) {
            turned = true;
        }
        previous = vertex;
        if (!vertices.empty() && std::fabs(vertex[0] - vertices.back()[0]) < kPadNodeTolerance &&
            std::fabs(vertex[1] - vertices.back()[1]) < kPadNodeTolerance) {
            continue;
        }
        vertices.push_back(vertex);
    }
    if (turned || vertices.size() < 4 || !std::isfinite(vertices.front()[0]) || !std::isfinite(vertices.front()[1])) {
        return false;
    }
    double twice = 0;
    const ZaPoint& origin = vertices.front();
    for (std::size_t i = 1; i < vertices.size(); ++i) {
        twice += (vertices[i - 1][0] - origin[0]) * (vertices[i][1] - origin[1]) -
                 (vertices[i - 1][1] - origin[1]) * (vertices[i][0] - origin[0]);
    }
    return twice > kPadNodeTolerance * kPadNodeTolerance;
}

void padLotLabel(int lot, double area, std::string& label) {
    const int decimals = area > 1000 ? 0 : area > 250 ? 1 : 2;
    char text[360];  // the widest double in fixed notation fits
    std::snprintf(text, sizeof text, "Lot %d Area %.*f", lot, decimals, area);
    label.assign(text);
}

ZaPoint padLabelPoint(const PadText& text) {
    const double direction = 1.5 * std::numbers::pi + text.rotation;
    const double distance = 1.5 * text.height;
    return {text.at.x + distance * std::cos(direction), text.at.y + distance * std::sin(direction)};
}

}  // namespace zapads
