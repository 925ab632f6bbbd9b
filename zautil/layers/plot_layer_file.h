// plot.lay on disk: a "LAYER" header, rows of 52 fixed columns, "/////".
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/line_reader.h"
#include "layers/plot_layer_row.h"

// Only the first three characters of the header are looked at.
bool zaIsPlotLayerHeader(std::string_view line);

// Nothing for a line that is not a row (shorter than 40 characters, or
// without ";" in column 39): such lines are passed over.
std::optional<ZaPlotLayerRow> zaParsePlotLayerRow(std::string_view line);

// The rows after the header, up to a line beginning with "/" or the 300th
// row. False, with no rows, when the header is wrong.
bool zaReadPlotLayerRows(zafiles::LineReader& lines, std::vector<ZaPlotLayerRow>& rows);

// The whole file, CRLF line ends; names beyond 12 characters are cut.
std::string zaFormatPlotLayerFile(std::span<const ZaPlotLayerRow> rows);
