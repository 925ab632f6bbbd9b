// The records the host makes: those a new drawing starts with, and a layer
// made because an entity or a command named it.
#pragma once

#include <string_view>

#include "zcad/database.h"

namespace zcad {

// Colour 7, CONTINUOUS, no flags.
TableRecord defaultLayer(std::string_view name);
// Height 0 (taken at each text), width 1, font "txt".
TableRecord defaultStyle(std::string_view name);
TableRecord continuousLinetype();

// The layer of that name, made as defaultLayer when the drawing lacks it.
// Null when the name is not a valid layer name.
TableRecord* ensureLayer(Database& db, std::string_view name);

}  // namespace zcad
