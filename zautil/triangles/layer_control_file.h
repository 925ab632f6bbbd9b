// Layer control files (".ctl"): slope thresholds in percent, each with the
// layer of the triangles at least that steep, in ascending order.
//
//   # slope  layer
//   0        FLAT
//   5        GENTLE
//   15       STEEP
#pragma once

#include <string>
#include <vector>

#include "files/line_reader.h"

namespace zatriangles {

struct SlopeEntry {
    double slope = 0;   // percent
    std::string layer;  // cleaned: upper case, digits and - $ _ +
};

enum class ControlFault {
    None,
    BadLayerName,  // a line's word holds no character a layer name keeps
    NotAscending,  // a slope below the one before it (the first below 0)
};

// Reads the entries in file order; those read before a fault are kept.
ControlFault readLayerControl(zafiles::LineReader& lines, std::vector<SlopeEntry>& entries);

// The steepest threshold at or below a slope, walking from the steepest
// down. Entries are in file order (ascending).
struct SlopeLayer {
    const std::string* layer;  // null: below every threshold
    int position;              // from 1 at the steepest entry; 0 below every threshold
};
SlopeLayer slopeLayerOf(const std::vector<SlopeEntry>& entries, double slope);

}  // namespace zatriangles
