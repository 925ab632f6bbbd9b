#include "layers/layer_colouring.h"

#include <cstddef>

#include "arx/acedads.h"
#include "layers/colour_sequence.h"

namespace {

// Past this the sequence starts again from its second colour.
constexpr std::size_t kLastColourUsed = 250;

class LayerColourer {
public:
    ~LayerColourer() {
        if (started_) acedCommandS(RTNONE);
    }

    void colour(const std::string& layer, std::size_t index) {
        start();
        acedCommandS(RTSTR, "C", RTSHORT, zaLayerColourSequence[index], RTSTR, layer.c_str(), RTNONE);
    }
    void start() {
        if (started_) return;
        acedCommandS(RTSTR, "-layer", RTNONE);
        started_ = true;
    }

private:
    bool started_ = false;
};

}  // namespace

void zaColourUsedLayers(std::span<const ZaPlotLayerRow> rows) {
    acutPrintf("\nNumber of layers %d\n", static_cast<int>(rows.size()));
    LayerColourer colourer;
    std::size_t k = 0;
    for (const ZaPlotLayerRow& row : rows) {
        if (row.usedByLines) colourer.colour(row.lineLayer, k++);
        if (row.usedByText) {
            colourer.start();
            // Its own colour unless line work has just coloured the same layer.
            if (row.textLayer != row.lineLayer || !row.usedByLines) colourer.colour(row.textLayer, k);
            ++k;
        }
        if (k > kLastColourUsed) k = 1;
    }
}
