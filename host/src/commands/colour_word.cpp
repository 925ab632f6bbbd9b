#include "colour_word.h"

#include <array>
#include <string_view>

#include "zcad/text.h"

namespace zcad::commands {

namespace {

constexpr std::array<std::string_view, 7> kColourNames = {"RED", "YELLOW", "GREEN", "CYAN", "BLUE", "MAGENTA", "WHITE"};

}  // namespace

std::optional<int> layerColourOf(const Word& word) {
    if (const auto number = integerOf(word)) {
        if (*number >= 1 && *number <= 255) return static_cast<int>(*number);
        return std::nullopt;
    }
    if (word.kind != Word::Kind::Text) return std::nullopt;
    const std::string name = upperCase(trimmed(word.text));
    for (std::size_t i = 0; i < kColourNames.size(); ++i) {
        if (name == kColourNames[i]) return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

std::optional<int> entityColourOf(const Word& word) {
    if (const auto number = integerOf(word); number && (*number == kByBlock || *number == kByLayer)) {
        return static_cast<int>(*number);
    }
    if (word.kind == Word::Kind::Text) {
        const std::string name = upperCase(trimmed(word.text));
        if (name == "BYLAYER") return kByLayer;
        if (name == "BYBLOCK") return kByBlock;
    }
    return layerColourOf(word);
}

}  // namespace zcad::commands
