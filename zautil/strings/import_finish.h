// The end of a string import: the created layers coloured, points shown as
// crosses, the view on what was read, and the rate.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "strings/import_extents.h"

namespace zastrings {

// Slot i of the list gets colour i of the layer colour sequence.
void colourCreatedLayers(const std::vector<std::string>& created);

void showPointsAsCrosses();

enum class ExtentsReport {
    BeforeZoom,  // URIN
    AfterZoom,   // TRIN
};
// A window round the extents when they have an area, else the drawing's
// extents.
void zoomToImport(const ImportExtents& extents, ExtentsReport report);

// Items per second, truncated, for more than 10 items over at least one
// clock tick.
std::optional<long long> importRate(std::int64_t count, std::int64_t milliseconds);

}  // namespace zastrings
