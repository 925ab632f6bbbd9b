// Layers by the names and name lists that layer prompts take.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "zcad/database.h"

namespace zcad::commands {

// The layers a comma-separated list names: each item is a layer's name or,
// when no layer has that name, a wildcard pattern. Items that find nothing
// are reported as the host does and skipped.
std::vector<TableRecord*> layersNamed(Database& db, std::string_view list);

std::string currentLayerName(const Database& db);
void setCurrentLayer(Database& db, std::string_view name);

void printLayerNotFound(std::string_view name);

}  // namespace zcad::commands
