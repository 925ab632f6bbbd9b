// The byte layout of UR files: 56-byte blocks, four of header, then one per
// point record; integers and doubles little-endian.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "strings/string_record.h"

namespace zastrings {

inline constexpr std::size_t kURBlockSize = 56;
inline constexpr std::size_t kURHeaderBlocks = 4;
inline constexpr std::size_t kURHeaderSize = kURBlockSize * kURHeaderBlocks;
// Block 2 begins with the record count.
inline constexpr std::size_t kURCountOffset = kURBlockSize;
// Header and at least one record.
inline constexpr std::size_t kURMinimumSize = kURHeaderSize + kURBlockSize;
inline constexpr std::string_view kURJobText = "from ZARVO AutoCAD Interface";

using URBlock = std::array<char, kURBlockSize>;

// A record's bytes: the text is cut at 20 characters and filled with spaces;
// the four padding bytes are zero.
void encodeURRecord(const StringRecord& record, char* block);
// The text ends at a NUL or after 20 bytes; the padding is ignored.
void decodeURRecord(const char* block, StringRecord& record);

// The four header blocks with spaces where the count goes.
std::array<char, kURHeaderSize> urHeader();

}  // namespace zastrings
