// pen.tbl on any bytes: the nearest pen is found or none is, and a pen found
// is never farther than the start bound allows.
#include <cstddef>
#include <cstdint>
#include <span>

#include "layers/pen_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first three bytes are the colour asked for.
    std::uint32_t colour = 0;
    for (std::size_t i = 0; i < 3 && i < size; ++i) colour = (colour << 8) | data[i];
    zafiles::LineReader lines(zafiles::memorySource(std::span<const char>(reinterpret_cast<const char*>(data), size)));
    ZaPen pen;
    pen.pen = -12345;
    const bool found = zaNearestPenIn(lines, colour, pen);
    if (!found && pen.pen != -12345) __builtin_trap();
    return 0;
}
