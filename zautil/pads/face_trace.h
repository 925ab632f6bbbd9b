// Tracing the face of the graph that holds a text: from the line or node
// nearest the text, always taking the sharpest left turn, until the walk
// comes back to where it began.
#pragma once

#include <memory>
#include <vector>

#include "pads/pad_records.h"

namespace zapads {

enum class PadTrace {
    Closed,      // the ring came back to its first node
    Incomplete,  // a node with no way on, no node at all, or no return within kPadMostRingSteps
};

class PadFaceFinder {
public:
    // Indexes the graph's nodes and the lines still in its node lists; the
    // graph must outlive the finder and not change.
    explicit PadFaceFinder(const PadGraph& graph);
    ~PadFaceFinder();
    PadFaceFinder(const PadFaceFinder&) = delete;
    PadFaceFinder& operator=(const PadFaceFinder&) = delete;

    // The node numbers of the face around `at` into ring, the first node
    // repeated at the end. A face traced clockwise (the outside of the
    // linework) closes too: its area tells.
    PadTrace trace(const ZaPoint& at, std::vector<int>& ring) const;

private:
    struct Indexes;

    struct Start {
        int node;
        double heading;
    };
    bool findStart(const ZaPoint& at, Start& start) const;
    int nearestNode(const ZaPoint& at) const;
    // The next node of the walk from `node` with the heading back along the
    // line it came by; -1 when there is no way on.
    int turn(int node, double& heading) const;

    const PadGraph& graph_;
    std::unique_ptr<Indexes> indexes_;
};

}  // namespace zapads
