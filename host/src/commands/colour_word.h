// Colours as prompts take them: a number or one of the seven colour names.
#pragma once

#include <optional>

#include "word.h"

namespace zcad::commands {

constexpr int kByBlock = 0;
constexpr int kByLayer = 256;

// 1 to 255 or red, yellow, green, cyan, blue, magenta, white.
std::optional<int> layerColourOf(const Word& word);
// As a layer colour, or BYLAYER / BYBLOCK (256 / 0).
std::optional<int> entityColourOf(const Word& word);

}  // namespace zcad::commands
