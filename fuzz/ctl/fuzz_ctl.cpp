// The layer control file reader on any bytes: it must read or refuse them,
// never crash, hang or read out of bounds; what it keeps must be clean
// layer names under slopes that never fall, and every lookup must name one
// of them or none.
#include <cstddef>
#include <cstdint>
#include <string>

#include "files/byte_source.h"
#include "files/line_reader.h"
#include "triangles/layer_control_file.h"

namespace {

bool clean(const std::string& layer) {
    if (layer.empty()) return false;
    for (const char c : layer) {
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '$' ||
                          c == '_';
        if (!kept) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const char> bytes(reinterpret_cast<const char*>(data), size);
    zafiles::LineReader lines(zafiles::memorySource(bytes), 0);
    std::vector<zatriangles::SlopeEntry> entries;
    zatriangles::readLayerControl(lines, entries);
    double previous = 0.0;
    for (const auto& entry : entries) {
        if (!clean(entry.layer) || entry.slope < previous) __builtin_trap();
        previous = entry.slope;
    }
    for (const double slope : {-1.0, 0.0, 3.5, 12.5, 1e300}) {
        const auto found = zatriangles::slopeLayerOf(entries, slope);
        if ((found.layer == nullptr) != (found.position == 0)) __builtin_trap();
        if (found.position < 0 || found.position > static_cast<int>(entries.size())) __builtin_trap();
    }
    return 0;
}
