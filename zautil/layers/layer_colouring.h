// After an import, the layers it drew on get colours from the layer colour
// sequence, in the order of the table's rows.
#pragma once

#include <span>

#include "layers/plot_layer_row.h"

// Prints the row count, then colours through the host's "-layer" command.
void zaColourUsedLayers(std::span<const ZaPlotLayerRow> rows);
