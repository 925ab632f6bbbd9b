// One row of the plot pen table: the plotter pen an AutoCAD layer is drawn
// with, and what an export has learnt about the layer since.
#pragma once

#include <cstdint>
#include <string>

enum class ZaPenRowState : std::int32_t {
    Kept = 0,      // written
    New = 1,       // written only when the user accepts it
    Modified = 2,  // colour or line type changed; the user decides
};

struct ZaPlotPenRow {
    std::string layerName;  // upper case, at most 31 characters
    std::int32_t pen = 0;
    std::int32_t second = 0;  // not ours: read and written unchanged
    std::int32_t lineType = 0;
    double width = 0;
    std::uint32_t colour = 0;
    // Before a modification, to undo it.
    std::int32_t previousLineType = 0;
    std::uint32_t previousColour = 0;
    ZaPenRowState state = ZaPenRowState::Kept;
};
