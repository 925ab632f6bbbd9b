// The triangle layer file reader on any bytes: it must read or refuse
// them, never crash, hang or read out of bounds, and every paint number it
// sets must have a name.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "triangles/triangle_layer_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zatriangles::TriangleLayerNames names;
    const auto read = zatriangles::readTriangleLayers(std::string_view(reinterpret_cast<const char*>(data), size), names);
    if (!read.parsed && read.records != 0) __builtin_trap();
    int set = 0;
    for (const auto& entry : names) {
        if (entry.set && entry.name.empty()) __builtin_trap();
        set += entry.set ? 1 : 0;
    }
    if (set > read.records) __builtin_trap();
    return 0;
}
