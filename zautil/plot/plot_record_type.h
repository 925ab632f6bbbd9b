// Record types of the plot file; a reader passes over any other.
#pragma once

#include <cstdint>

enum ZaPlotRecord : std::int32_t {
    kZaPlotEnd = 0,
    kZaPlotMove = 1,
    kZaPlotDraw = 2,
    kZaPlotPen = 3,
    kZaPlotLineType = 4,
    kZaPlotLayerCode = 5,
    kZaPlotText = 6,
    kZaPlotCircle = 8,
    kZaPlotArc = 9,
    kZaPlotWide = 12,
};
