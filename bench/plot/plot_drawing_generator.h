// A made-up drawing of the kinds PFOUT writes (lines, lightweight and old
// polylines, arcs, circles, texts), on a dozen layers in runs as drafters
// draw them, with the plot tables that know those layers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "zcad/database.h"

inline constexpr int kPlotDrawingLayers = 12;

std::unique_ptr<zcad::Database> makePlotDrawing(std::int64_t entities);

// plot.lay and plot.pen naming every layer of the drawing, so an export
// asks nothing and adds no row.
bool writePlotTablesFor(const std::string& installDir, std::string& error);
