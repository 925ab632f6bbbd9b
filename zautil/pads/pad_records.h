// The working records of PADLEV: linework and texts taken from the drawing,
// and the planar graph built from them. Plain values in plain arrays, so
// that every stage is a function a test can run without a host.
#pragma once

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "geometry/point.h"

namespace zapads {

// No coordinate that is not a number or infinite may enter the graph.
inline bool padFinite(const ZaPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// A piece of linework as the drawing gave it, before any split.
struct PadSegment {
    ZaPoint a;
    ZaPoint b;
};

// A text inside a lot: where it stands, the level it gives the lot, and
// what its label copies.
struct PadText {
    ZaPoint at;
    double level = 0;
    double height = 2.4;
    double rotation = 0;  // radians
    int style = 0;        // into PadInput::styles
};

// What PADLEV takes from the selection.
struct PadInput {
    std::vector<PadSegment> segments;
    std::vector<PadText> texts;
    std::vector<std::string> styles;  // text style names, each kept once
    int textEntities = 0;             // texts read, used or not
};

// A line of the graph: its ends, its plan direction from the first end
// (radians, 0 to 2 pi) and the nodes at its two ends.
struct PadLine {
    ZaPoint a;
    ZaPoint b;
    double angle = 0;
    int node1 = -1;
    int node2 = -1;

    int farEnd(int node) const { return node == node1 ? node2 : node1; }
};

inline constexpr int kPadMostLinesAtNode = 12;

// A vertex of the graph and the lines that meet there.
struct PadNode {
    ZaPoint at;
    int count = 0;
    std::array<int, kPadMostLinesAtNode> lines{};
};

struct PadGraph {
    std::vector<PadLine> lines;
    std::vector<PadNode> nodes;
};

// Tolerances, in drawing units: ends that share a node (in x and in y), the
// interior of a crossing, the shortest segment stored (squared), lines too
// short to keep, and vertices lying on other lines.
inline constexpr double kPadNodeTolerance = 0.001;
inline constexpr double kPadCrossingMargin = 0.001;
inline constexpr double kPadShortestSquared = 0.001;
inline constexpr double kPadZeroLength = 0.01;
inline constexpr double kPadVertexTolerance = 0.01;
// Radians: a turn this close to straight back is not taken while tracing.
inline constexpr double kPadAngleTolerance = 0.01;
inline constexpr int kPadMostRingSteps = 1014;

inline constexpr double kPadFullTurn = 2 * std::numbers::pi;

// The direction of (dx, dy) as the suite measures it: the arc cosine of the
// unit x component, a full turn minus it below the x axis. No direction is 0.
inline double padDirection(double dx, double dy) {
    const double length = std::hypot(dx, dy);
    if (!(length > 0)) return 0;
    const double cosine = std::fmin(1.0, std::fmax(-1.0, dx / length));
    const double angle = std::acos(cosine);
    return dy < 0 ? kPadFullTurn - angle : angle;
}

}  // namespace zapads
