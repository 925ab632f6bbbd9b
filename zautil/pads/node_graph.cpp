#include "pads/node_graph.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

namespace zapads {

namespace {

constexpr int kLinesPerReport = 2000;
constexpr int kNoNode = -1;

// Nodes by the cell of a grid twice the tolerance wide, hashed: a point's
// neighbours within the tolerance lie in at most two cells each way. A slot
// holds the newest node of its cell; each node names the one before it.
class NodeCells {
public:
    explicit NodeCells(std::size_t mostNodes)
        : slots_(std::bit_ceil(std::max<std::size_t>(16, 2 * mostNodes)), kNoNode), mask_(slots_.size() - 1) {}

    // The lowest-numbered node within the tolerance of p in x and in y.
    int find(const std::vector<PadNode>& nodes, const ZaPoint& p) const {
        int found = kNoNode;
        const std::int64_t x0 = cellOf(p.x - kPadNodeTolerance), x1 = cellOf(p.x + kPadNodeTolerance);
        const std::int64_t y0 = cellOf(p.y - kPadNodeTolerance), y1 = cellOf(p.y + kPadNodeTolerance);
        for (std::int64_t cx = x0; cx <= x1; ++cx) {
            for (std::int64_t cy = y0; cy <= y1; ++cy) {
                for (int n = slots_[slotOf(nodes, cx, cy)]; n != kNoNode; n = before_[static_cast<std::size_t>(n)]) {
                    const ZaPoint& at = nodes[static_cast<std::size_t>(n)].at;
                    if (std::fabs(at.x - p.x) <= kPadNodeTolerance && std::fabs(at.y - p.y) <= kPadNodeTolerance &&
                        (found == kNoNode || n < found)) {
                        found = n;
                    }
                }
            }
        }
        return found;
    }

    // Files the newest node by its position.
    void add(const std::vector<PadNode>& nodes) {
        const int node = static_cast<int>(nodes.size()) - 1;
        const ZaPoint& at = nodes.back().at;
        int& slot = slots_[slotOf(nodes, cellOf(at.x), cellOf(at.y))];
        before_.push_back(slot);
        slot = node;
    }

private:
    static std::int64_t cellOf(double v) {
        constexpr double kCell = 2 * kPadNodeTolerance;
        constexpr double kFarthest = 4e18;
        return static_cast<std::int64_t>(std::clamp(std::floor(v / kCell), -kFarthest, kFarthest));
    }

    // The slot of the cell: empty, or holding a node of that cell.
    std::size_t slotOf(const std::vector<PadNode>& nodes, std::int64_t cx, std::int64_t cy) const {
        std::uint64_t h = static_cast<std::uint64_t>(cx) * 0x9E3779B97F4A7C15ull ^
                          static_cast<std::uint64_t>(cy) * 0xC2B2AE3D27D4EB4Full;
        h ^= h >> 29;
        for (std::size_t slot = h & mask_;; slot = (slot + 1) & mask_) {
            const int n = slots_[slot];
            if (n == kNoNode) return slot;
            const ZaPoint& at = nodes[static_cast<std::size_t>(n)].at;
            if (cellOf(at.x) == cx && cellOf(at.y) == cy) return slot;
        }
    }

    std::vector<int> slots_;
    std::size_t mask_;
    std::vector<int> before_;
};

// The node of an end: the first one near it, or a new one. kNoNode when
// that node has no room for another line.
int attach(PadGraph& graph, NodeCells& cells, const ZaPoint& end, int line) {
    int node = cells.find(graph.nodes, end);
    if (node == kNoNode) {
        PadNode made;
        made.at = end;
        graph.nodes.push_back(made);
        cells.add(graph.nodes);
        node = static_cast<int>(graph.nodes.size()) - 1;
    }
    PadNode& at = graph.nodes[static_cast<std::size_t>(node)];
    if (at.count == kPadMostLinesAtNode) return kNoNode;
    at.lines[static_cast<std::size_t>(at.count++)] = line;
    return node;
}

void removeEntry(PadNode& node, int entry) {
    std::copy(node.lines.begin() + entry + 1, node.lines.begin() + node.count, node.lines.begin() + entry);
    --node.count;
}

// The earlier of the first two entries that lead to the same far node.
int firstDuplicate(const PadGraph& graph, int self, const PadNode& node) {
    for (int i = 0; i < node.count; ++i) {
        const int far = graph.lines[static_cast<std::size_t>(node.lines[static_cast<std::size_t>(i)])].farEnd(self);
        for (int j = i + 1; j < node.count; ++j) {
            if (graph.lines[static_cast<std::size_t>(node.lines[static_cast<std::size_t>(j)])].farEnd(self) == far) {
                return i;
            }
        }
    }
    return -1;
}

}  // namespace

PadNodesBuilt padBuildNodes(PadGraph& graph, const PadProgress& progress) {
    graph.nodes.clear();
    graph.nodes.reserve(graph.lines.size() / 2 + 16);
    NodeCells cells(2 * graph.lines.size());
    const int count = static_cast<int>(graph.lines.size());
    for (int i = 0; i < count; ++i) {
        PadLine& line = graph.lines[static_cast<std::size_t>(i)];
        line.angle = padDirection(line.b.x - line.a.x, line.b.y - line.a.y);
        line.node1 = attach(graph, cells, line.a, i);
        if (line.node1 == kNoNode) return {true};
        line.node2 = attach(graph, cells, line.b, i);
        if (line.node2 == kNoNode) return {true};
        if ((i + 1) % kLinesPerReport == 0 && progress) progress(i + 1, static_cast<int>(graph.nodes.size()));
    }
    return {};
}

void padTidyDuplicates(PadGraph& graph) {
    const int count = static_cast<int>(graph.nodes.size());
    for (int n = 0; n < count; ++n) {
        PadNode& node = graph.nodes[static_cast<std::size_t>(n)];
        for (int entry = firstDuplicate(graph, n, node); entry >= 0; entry = firstDuplicate(graph, n, node)) {
            removeEntry(node, entry);
        }
    }
}

void padRemoveSingleLines(PadGraph& graph) {
    for (std::size_t n = 0; n < graph.nodes.size(); ++n) {
        PadNode& node = graph.nodes[n];
        if (node.count != 1) continue;
        const int line = node.lines[0];
        node.count = 0;
        PadNode& other = graph.nodes[static_cast<std::size_t>(graph.lines[static_cast<std::size_t>(line)].farEnd(static_cast<int>(n)))];
        for (int entry = other.count - 1; entry >= 0; --entry) {
            if (other.lines[static_cast<std::size_t>(entry)] == line) removeEntry(other, entry);
        }
    }
}

PadNodesBuilt padNodeGraph(PadGraph& graph, const PadProgress& progress) {
    const PadNodesBuilt built = padBuildNodes(graph, progress);
    if (built.crowded) return built;
    padTidyDuplicates(graph);
    padRemoveSingleLines(graph);
    return built;
}

}  // namespace zapads
