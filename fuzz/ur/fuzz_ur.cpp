// The UR reader on any bytes: it must refuse or read them, never crash,
// hang or read out of bounds.
#include <cstddef>
#include <cstdint>

#include "strings/ur_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zastrings::URReader reader;
    const std::span<const char> bytes(reinterpret_cast<const char*>(data), size);
    if (!reader.open(zafiles::memorySource(bytes))) return 0;
    zastrings::StringRecord record;
    std::int64_t records = 0;
    while (reader.next(record) == zastrings::URRead::Record) ++records;
    if (records != reader.recordCount()) __builtin_trap();
    return 0;
}
