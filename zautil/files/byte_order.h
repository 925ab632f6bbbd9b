// Little-endian fields of the suite's binary files, taken byte by byte so
// that neither this machine's byte order nor alignment matters.
#pragma once

#include <bit>
#include <cstdint>

namespace zafiles {

inline std::uint32_t loadU32LE(const char* p) {
    const auto byte = [p](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(p[i])); };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

inline std::int32_t loadI32LE(const char* p) { return static_cast<std::int32_t>(loadU32LE(p)); }

inline double loadF64LE(const char* p) {
    return std::bit_cast<double>(std::uint64_t{loadU32LE(p)} | std::uint64_t{loadU32LE(p + 4)} << 32);
}

inline void storeU32LE(char* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<char>(value >> (8 * i) & 0xFFu);
}

inline void storeI32LE(char* p, std::int32_t value) { storeU32LE(p, static_cast<std::uint32_t>(value)); }

inline void storeF64LE(char* p, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    storeU32LE(p, static_cast<std::uint32_t>(bits));
    storeU32LE(p + 4, static_cast<std::uint32_t>(bits >> 32));
}

}  // namespace zafiles
