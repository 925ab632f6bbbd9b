// The layer map reader on any bytes, under any maximum size: it must read
// or refuse them, never crash, hang or read out of bounds, and every entry
// it keeps must be a clean layer name under a key of at most 19 characters.
// The first byte of the input is the maximum size.
#include <cstddef>
#include <cstdint>
#include <string>

#include "files/byte_source.h"
#include "string_import/layer_map.h"
#include "zcad/console.h"

namespace {

bool clean(const std::string& layer) {
    if (layer.empty() || layer.size() > 127) return false;
    for (const char c : layer) {
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '$' ||
                          c == '_';
        if (!kept) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        zcad::setOutputSink([](std::string_view) {});
        return true;
    }();
    (void)quiet;
    if (size == 0) return 0;
    const zastringimport::LayerNameRules rules{(data[0] & 1) != 0, (data[0] & 2) != 0, data[0] * 2 - 128};
    const std::span<const char> bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    zastringimport::LayerMap map;
    zafiles::LineReader lines(zafiles::memorySource(bytes), 0);
    zastringimport::readLayerMap(lines, rules, map);
    map.forEachInLookupOrder([](const zastringimport::LayerMapEntry& entry) {
        if (entry.key.empty() || entry.key.size() > 19 || !clean(entry.layer)) __builtin_trap();
    });
    for (const char* name : {"rd", "kb12", "0", "a-b$c_d+"}) {
        if (const std::string* layer = map.find(name); layer && !clean(*layer)) __builtin_trap();
    }
    return 0;
}
