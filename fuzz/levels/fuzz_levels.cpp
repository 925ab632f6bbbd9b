// The level rule on any text a drawing may hold: it must never read past
// the text, and every level it finds must be finite and, written at any
// precision, read back as a level again.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "levels/level_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto level = zaLevelOfText(text);
    if (!level) return 0;
    if (!std::isfinite(*level) || *level < 0) __builtin_trap();
    std::string written;
    for (const int precision : {0, 3, 16}) {
        zaFormatLevel(*level, precision, written);
        if (!zaLevelOfText(written)) __builtin_trap();
    }
    return 0;
}
