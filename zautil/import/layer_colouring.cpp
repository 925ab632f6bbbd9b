#include "import/layer_colouring.h"

#include "arx/acedads.h"
#include "import/colour_sequence.h"

namespace zaimport {

LayerColouring::~LayerColouring() {
    if (started_) acedCommandS(RTNONE);
}

void LayerColouring::start() {
    if (started_) return;
    acedCommandS(RTSTR, "-layer", RTNONE);
    started_ = true;
}

void LayerColouring::colour(const std::string& layer, std::size_t index) {
    if (index >= zaLayerColourSequence.size()) return;
    start();
    // As decimal text, the way a user answers the colour prompt.
    const std::string colour = std::to_string(zaLayerColourSequence[index]);
    acedCommandS(RTSTR, "C", RTSTR, colour.c_str(), RTSTR, layer.c_str(), RTNONE);
}

void colourLayersInTurn(const std::vector<std::string>& layers) {
    LayerColouring colouring;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        colouring.colour(layers[i], i);
        acutPrintf("  at %d\n", static_cast<int>(i));
    }
}

}  // namespace zaimport
