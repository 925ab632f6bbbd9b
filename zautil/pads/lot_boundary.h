// A traced ring as a lot: its area, number, layers, colour, the boundary
// polyline's vertices and the label under the lot's text.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/bulge_arc.h"
#include "pads/pad_records.h"

namespace zapads {

// Positive when the ring runs counter-clockwise.
double padRingArea(const PadGraph& graph, std::span<const int> ring);

// The lot's layer name without its "_line" or "_text": the prefix ("prop"
// when empty), and with one layer per lot the lot number after it.
void padLotLayer(std::string_view prefix, bool layerPerLot, int lot, std::string& layer);

// AutoCAD colour index of lot n: one of 24 shades, ten apart.
int padLotColour(int lot);

// The boundary at `level`, every vertex moved `offset` to the left of the
// ring (inside a counter-clockwise ring) with mitred corners, the first
// vertex repeated at the end. A vertex within kPadNodeTolerance of the one
// before it in x and in y is left out. False when no pad stands there: the
// inset vanished, turned over or is no finite ring.
bool padBoundary(const PadGraph& graph, std::span<const int> ring, double offset, double level,
                 std::vector<ZaPoint>& vertices);

// "Lot n Area a", with fewer decimals for larger lots.
void padLotLabel(int lot, double area, std::string& label);

// 1.5 text heights below the text, along its rotation.
ZaPoint padLabelPoint(const PadText& text);

}  // namespace zapads
