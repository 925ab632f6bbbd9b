// The UR reader on any bytes: it must refuse or read them, never crash,
// hang or read out of bounds.
#include <cstddef>
#include <cstdint>

#include "strings/ur_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zastrings::URReader reader;
    const std::span<const char> bytes(reinterpret_cast<const char*>(data), size);
    // A refusal always says why; an accepted file has nothing to say.
    const bool opened = reader.open(zafiles::memorySource(bytes));
    if (opened != (reader.fault() == zastrings::URFault::None)) __builtin_trap();
    if (!opened) return 0;
    zastrings::StringRecord record;
    std::int64_t records = 0;
    while (reader.next(record) == zastrings::URRead::Record) ++records;
    if (records != reader.recordCount()) __builtin_trap();
    return 0;
}
