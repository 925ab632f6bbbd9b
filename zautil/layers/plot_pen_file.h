// plot.pen on disk: a dated header, one comma-separated row per layer,
// "/////".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "layers/plot_pen_row.h"

inline constexpr std::string_view kZaPlotPenHeader = "PLOT.PEN     1 APR-1997";

// A row needs all five numbers after the layer name; nothing otherwise.
std::optional<ZaPlotPenRow> zaParsePlotPenRow(std::string_view line);

// "%s,%d,%d,%d,%f,%06lx" and CRLF.
void zaAppendPlotPenRow(std::string& out, const ZaPlotPenRow& row);
