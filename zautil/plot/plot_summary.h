// The end of a plot import: what went wrong, how long it took, and a view
// of what was drawn.
#pragma once

#include <cstdint>

#include "import/import_extents.h"

class ZaPlotReader;

// Records passed over and entities the host refused; silent when none.
void zaReportPlotProblems(const ZaPlotReader& reader);
// The time taken and, for files long enough to time, lines per second.
void zaReportPlotTiming(std::int64_t lines, double seconds);
// A window round the extents, or the drawing's extents when they make none.
void zaZoomToPlot(const zaimport::ImportExtents& extents);
