#include "layers/layer_colouring.h"

#include <cstddef>

#include "arx/acedads.h"
#include "import/layer_colouring.h"

namespace {

// Past this the sequence starts again from its second colour.
constexpr std::size_t kLastColourUsed = 250;

}  // namespace

void zaColourUsedLayers(std::span<const ZaPlotLayerRow> rows) {
    acutPrintf("\nNumber of layers %d\n", static_cast<int>(rows.size()));
    zaimport::LayerColouring colouring;
    std::size_t k = 0;
    for (const ZaPlotLayerRow& row : rows) {
        if (row.usedByLines) colouring.colour(row.lineLayer, k++);
        if (row.usedByText) {
            // Its own colour unless line work has just coloured the same layer.
            if (row.textLayer != row.lineLayer || !row.usedByLines) colouring.colour(row.textLayer, k);
            ++k;
        }
        if (k > kLastColourUsed) k = 1;
    }
}
