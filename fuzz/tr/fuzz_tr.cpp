// The TR reader on any bytes: it must refuse or read them, never crash,
// hang or read out of bounds. Small blocks make lines cross block edges.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "files/line_reader.h"
#include "strings/tr_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const char> bytes(reinterpret_cast<const char*>(data), size);

    zastrings::TRReader reader;
    const bool opened = reader.open(zafiles::memorySource(bytes));
    if (opened != (reader.fault() == zastrings::TRFault::None)) __builtin_trap();
    if (opened) {
        zastrings::StringRecord record;
        while (reader.next(record)) {
            if (record.text.size() > 16) __builtin_trap();
            // An accepted line never gives a point that is not in the file.
            if (!std::isfinite(record.x) || !std::isfinite(record.y) || !std::isfinite(record.z)) __builtin_trap();
        }
    }

    zafiles::LineReader lines(zafiles::memorySource(bytes), 0);
    while (const auto line = lines.next()) {
        if (line->size() > zafiles::LineReader::kHeldLength) __builtin_trap();
    }
    return 0;
}
