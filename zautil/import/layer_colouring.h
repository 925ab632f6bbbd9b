// The host's "-layer" command colouring layers one after another: started
// at the first colour, ended when the object goes, so that colouring
// nothing issues no command at all.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zaimport {

class LayerColouring {
public:
    LayerColouring() = default;
    LayerColouring(const LayerColouring&) = delete;
    LayerColouring& operator=(const LayerColouring&) = delete;
    ~LayerColouring();

    // The layer takes entry `index` of the layer colour sequence.
    void colour(const std::string& layer, std::size_t index);

private:
    void start();

    bool started_ = false;
};

// The i-th layer takes the i-th colour of the sequence, each reported as
// "  at i".
void colourLayersInTurn(const std::vector<std::string>& layers);

}  // namespace zaimport
