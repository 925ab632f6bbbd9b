// The host's "-layer" command colouring layers one after another: started
// at the first colour, ended when the object goes, so that colouring
// nothing issues no command at all.
#pragma once

#include <cstddef>
#include <string>

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

}  // namespace zaimport
