#include "pads/face_trace.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "pads/pad_index.h"

namespace zapads {

namespace {

double squaredDistance(const ZaPoint& a, const ZaPoint& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    return dx * dx + dy * dy;
}

// The lines still named in a node's list: the graph the walk sees.
std::vector<bool> linesInGraph(const PadGraph& graph) {
    std::vector<bool> in(graph.lines.size(), false);
    for (const PadNode& node : graph.nodes) {
        for (int entry = 0; entry < node.count; ++entry) in[static_cast<std::size_t>(node.lines[static_cast<std::size_t>(entry)])] = true;
    }
    return in;
}

}  // namespace

struct PadFaceFinder::Indexes {
    PointTree nodes;
    BoxTree lines;  // boxes of the lines' nodes, which the walk goes by
};

PadFaceFinder::PadFaceFinder(const PadGraph& graph) : graph_(graph) {
    std::vector<PointEntry> points;
    points.reserve(graph.nodes.size());
    for (std::size_t i = 0; i < graph.nodes.size(); ++i) {
        points.emplace_back(IndexPoint(graph.nodes[i].at.x, graph.nodes[i].at.y), static_cast<int>(i));
    }
    const std::vector<bool> in = linesInGraph(graph);
    std::vector<BoxEntry> boxes;
    for (std::size_t i = 0; i < graph.lines.size(); ++i) {
        if (!in[i]) continue;
        const PadLine& line = graph.lines[i];
        boxes.emplace_back(boxAround(graph.nodes[static_cast<std::size_t>(line.node1)].at,
                                     graph.nodes[static_cast<std::size_t>(line.node2)].at),
                           static_cast<int>(i));
    }
    indexes_ = std::make_unique<Indexes>(Indexes{PointTree(points.begin(), points.end()), BoxTree(boxes.begin(), boxes.end())});
}

PadFaceFinder::~PadFaceFinder() = default;

// Of nodes at the same distance, the lowest-numbered, so that the walk
// does not depend on the index's inner order.
int PadFaceFinder::nearestNode(const ZaPoint& at) const {
    int nearest = -1;
    indexes_->nodes.query(bgi::nearest(IndexPoint(at.x, at.y), 1),
                          boost::iterators::make_function_output_iterator(
                              [&](const PointEntry& entry) { nearest = entry.second; }));
    if (nearest < 0) return -1;
    const double least = squaredDistance(at, graph_.nodes[static_cast<std::size_t>(nearest)].at);
    forEachMeeting(indexes_->nodes, boxAround(at, std::sqrt(least) * (1 + 1e-12)), [&](int n) {
        if (n < nearest && squaredDistance(at, graph_.nodes[static_cast<std::size_t>(n)].at) == least) nearest = n;
    });
    return nearest;
}

// The walk starts from the line nearest the text when the text lies beside
// it and closer than any node, else from the nearest node towards the text.
bool PadFaceFinder::findStart(const ZaPoint& at, Start& start) const {
    const int nearest = nearestNode(at);
    if (nearest < 0) return false;
    const ZaPoint& n = graph_.nodes[static_cast<std::size_t>(nearest)].at;
    double closest = std::sqrt(squaredDistance(at, n));
    int taken = -1;
    forEachMeeting(indexes_->lines, boxAround(at, closest), [&](int line) {
        const PadLine& l = graph_.lines[static_cast<std::size_t>(line)];
        const ZaPoint& ni = graph_.nodes[static_cast<std::size_t>(l.node1)].at;
        const ZaPoint& nj = graph_.nodes[static_cast<std::size_t>(l.node2)].at;
        const double length = std::sqrt(squaredDistance(ni, nj));
        if (!(length > 0)) return;
        const double ux = (nj.x - ni.x) / length;
        const double uy = (nj.y - ni.y) / length;
        const double along = (at.x - ni.x) * ux + (at.y - ni.y) * uy;
        if (!(along > kPadCrossingMargin && along < length)) return;
        const double off = std::fabs((at.y - ni.y) * ux - (at.x - ni.x) * uy);
        if (off < closest || (off == closest && taken >= 0 && line < taken)) {
            closest = off;
            taken = line;
        }
    });
    if (taken < 0) {
        start = {nearest, padDirection(at.x - n.x, at.y - n.y)};
        return true;
    }
    const PadLine& l = graph_.lines[static_cast<std::size_t>(taken)];
    const ZaPoint& ni = graph_.nodes[static_cast<std::size_t>(l.node1)].at;
    const ZaPoint& nj = graph_.nodes[static_cast<std::size_t>(l.node2)].at;
    // The text left of ni->nj: start at nj as if come from ni, so that the
    // face on the left is the one walked.
    const double side = (at.x - ni.x) * (at.y - nj.y) - (at.y - ni.y) * (at.x - nj.x);
    if (side > 0) {
        start = {l.node2, padDirection(ni.x - nj.x, ni.y - nj.y)};
        return true;
    }
    start = {l.node1, padDirection(nj.x - ni.x, nj.y - ni.y)};
    return true;
}

// Each line's direction out of the node, brought below the heading back
// (less the tolerance) by whole turns: the largest is the sharpest left.
int PadFaceFinder::turn(int node, double& heading) const {
    const PadNode& at = graph_.nodes[static_cast<std::size_t>(node)];
    double best = -std::numeric_limits<double>::infinity();
    int chosen = -1;
    for (int entry = 0; entry < at.count; ++entry) {
        const int line = at.lines[static_cast<std::size_t>(entry)];
        const PadLine& l = graph_.lines[static_cast<std::size_t>(line)];
        double angle = l.node1 == node ? l.angle : l.angle + std::numbers::pi;
        while (angle >= heading - kPadAngleTolerance) angle -= kPadFullTurn;
        if (angle > best) {
            best = angle;
            chosen = line;
        }
    }
    if (chosen < 0) return -1;
    heading = std::fmod(best - std::numbers::pi, kPadFullTurn);
    if (heading < 0) heading += kPadFullTurn;
    return graph_.lines[static_cast<std::size_t>(chosen)].farEnd(node);
}

PadTrace PadFaceFinder::trace(const ZaPoint& at, std::vector<int>& ring) const {
    ring.clear();
    Start start{};
    if (!findStart(at, start)) return PadTrace::Incomplete;
    ring.push_back(start.node);
    int node = start.node;
    double heading = start.heading;
    for (int step = 1; step <= kPadMostRingSteps; ++step) {
        node = turn(node, heading);
        if (node < 0) return PadTrace::Incomplete;
        ring.push_back(node);
        if (node == start.node) return step < 2 ? PadTrace::Incomplete : PadTrace::Closed;
    }
    return PadTrace::Incomplete;
}

}  // namespace zapads
