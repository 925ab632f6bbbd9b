// Made-up subdivisions for PADLEV's tests, benchmark and demo: blocks of
// lots of varying frontage on both sides of a curved road, drawn as a
// surveyor drafts them, with a level text in every lot.
//
// Each block is a road on a circular arc. On either side a row of lots:
// the road boundary and the rear boundary are polylines with a vertex at
// every lot corner and bulges between (POLYLINE on one side, LWPOLYLINE on
// the other, one of each drawn backwards), the side boundaries LINEs that
// overshoot the rear boundary a little (crossings and dangling ends). In
// the block's middle a closed rectangle is split by a LINE ending on its
// sides (T-junctions) into two more lots.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pads/pad_records.h"

namespace zapads {

struct SubdivisionShape {
    int lots = 26;
    int lotsPerSide = 12;
    double roadRadius = 150;  // of the road's centre line
    double roadWidth = 20;
    double overshoot = 1;  // of side boundaries past the rear boundary
    std::uint32_t seed = 1;
};

struct SubdivisionVertex {
    double x = 0;
    double y = 0;
    double bulge = 0;
};

struct SubdivisionPolyline {
    std::vector<SubdivisionVertex> vertices;
    bool light = false;  // LWPOLYLINE, else POLYLINE
    bool closed = false;
};

struct SubdivisionText {
    ZaPoint at;
    double rotation = 0;  // degrees
    std::string text;     // the lot's level, "%.2f"
};

struct Subdivision {
    std::vector<SubdivisionPolyline> polylines;
    std::vector<PadSegment> lines;
    std::vector<SubdivisionText> texts;  // one in each lot
};

Subdivision makeSubdivision(const SubdivisionShape& shape);

// Into the current drawing, on layer "lots" (texts on "lottext", 2 units
// high). False when the host refused an entity.
bool drawSubdivision(const Subdivision& subdivision);

}  // namespace zapads
