#include "strings/ur_format.h"

#include <algorithm>

#include "files/byte_order.h"

namespace zastrings {
namespace {

enum Offset : std::size_t { kString = 0, kPoint = 4, kX = 8, kY = 16, kZ = 24, kText = 32, kPadding = 52 };

// A header block: spaces up to the padding, zeros in it.
void blankBlock(char* block) {
    std::fill_n(block, kPadding, ' ');
    std::fill_n(block + kPadding, kURBlockSize - kPadding, '\0');
}

// Text with its terminating NUL at the start of a blank block.
void putTerminated(char* block, std::string_view text) {
    std::copy(text.begin(), text.end(), block);
    block[text.size()] = '\0';
}

}  // namespace

void encodeURRecord(const StringRecord& record, char* block) {
    zafiles::storeI32LE(block + kString, record.stringNumber);
    zafiles::storeI32LE(block + kPoint, record.pointNumber);
    zafiles::storeF64LE(block + kX, record.x);
    zafiles::storeF64LE(block + kY, record.y);
    zafiles::storeF64LE(block + kZ, record.z);
    const std::string_view text = record.text.view();
    std::fill(std::copy(text.begin(), text.end(), block + kText), block + kPadding, ' ');
    std::fill_n(block + kPadding, kURBlockSize - kPadding, '\0');
}

void decodeURRecord(const char* block, StringRecord& record) {
    record.stringNumber = zafiles::loadI32LE(block + kString);
    record.pointNumber = zafiles::loadI32LE(block + kPoint);
    record.x = zafiles::loadF64LE(block + kX);
    record.y = zafiles::loadF64LE(block + kY);
    record.z = zafiles::loadF64LE(block + kZ);
    record.text.assign(std::string_view(block + kText, RecordText::kLength));
}

std::array<char, kURHeaderSize> urHeader() {
    std::array<char, kURHeaderSize> header{};
    for (std::size_t block = 0; block < kURHeaderBlocks; ++block) blankBlock(header.data() + block * kURBlockSize);
    putTerminated(header.data(), kVersionTag);
    putTerminated(header.data() + 2 * kURBlockSize, kURJobText);
    return header;
}

}  // namespace zastrings
