// Layers made on demand: the drawing's layer table asked, and a layer with
// default properties added when it lacks the name.
#pragma once

#include <string>

enum class ZaLayerMade {
    Existed,
    Added,
    Refused,  // the layer table could not be opened for writing, or took no record
};

ZaLayerMade zaEnsureLayer(const std::string& name);
