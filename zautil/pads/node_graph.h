// The nodes of PADLEV's graph: line ends joined where they meet, duplicate
// lines between two nodes dropped, and dangling lines taken off.
#pragma once

#include "pads/line_list.h"
#include "pads/pad_records.h"

namespace zapads {

struct PadNodesBuilt {
    bool crowded = false;  // a node would have had more than kPadMostLinesAtNode lines
};

// Gives every line its direction and attaches each of its ends to the
// first node within kPadNodeTolerance in x and in y, or to a new node.
// progress is called every 2000 lines with the lines done.
PadNodesBuilt padBuildNodes(PadGraph& graph, const PadProgress& progress);

// At every node, of two entries leading to the same far node the earlier
// goes, until no two do. Only the node's own list changes.
void padTidyDuplicates(PadGraph& graph);

// One pass over the nodes in order: a node with a single line loses it,
// and so does the node at that line's other end. A node left with a single
// line by a later removal keeps it.
void padRemoveSingleLines(PadGraph& graph);

// The three in turn; the graph's lists are left as the walk needs them.
PadNodesBuilt padNodeGraph(PadGraph& graph, const PadProgress& progress);

}  // namespace zapads
