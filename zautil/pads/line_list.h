// The line list of PADLEV: the selected linework cut into lines that meet
// only at their ends, so that every lot is a face of one planar graph.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "pads/pad_records.h"

namespace zapads {

// Called at the steps where a stage reports progress, with the records done
// and the records made so far.
using PadProgress = std::function<void(int done, int made)>;

// Where segment q1-q2 crosses segment p1-p2: q's ends lie strictly on
// either side of p's line and the crossing is more than kPadCrossingMargin
// inside p. Nothing for a p shorter than the margin.
std::optional<ZaPoint> padCrossing(const ZaPoint& p1, const ZaPoint& p2, const ZaPoint& q1, const ZaPoint& q2);

// Every segment against every earlier one it crosses: both are cut at the
// crossing. Lines come out in segment order, each segment's pieces along it.
// progress is called every 500 segments.
std::vector<PadLine> padSplitCrossings(std::span<const PadSegment> segments, const PadProgress& progress);

// Removes lines of length kPadZeroLength or less, the last line taking each
// removed line's place. Returns how many went.
int padRemoveShortLines(std::vector<PadLine>& lines);

// Cuts every line at each of the points lying within kPadVertexTolerance
// of it and more than that from both its ends, so that a line ending on
// another (a T-junction) meets it at a node.
void padSplitAtVertices(std::vector<PadLine>& lines, std::vector<ZaPoint> vertices);

// The ends of all segments: the vertices the lines are cut at.
std::vector<ZaPoint> padSegmentEnds(std::span<const PadSegment> segments);

struct PadLineCounts {
    int zeroLength = 0;          // removed after the crossings
    int beforeVertexSplit = 0;
    int afterVertexSplit = 0;
};

// The stages in turn: crossings, short lines out, cuts at vertices, short
// lines out again.
std::vector<PadLine> padLineList(std::span<const PadSegment> segments, const PadProgress& progress,
                                 PadLineCounts& counts);

}  // namespace zapads
