#include <cstring>

#include "zcad/database.h"

namespace zcad {

std::uint64_t ByteArena::store(std::span<const std::uint8_t> bytes) {
    const std::size_t size = bytes.size();
    if (chunks_.empty() || used_ + size > chunkSizes_.back()) {
        const std::size_t chunkSize = size > kChunk ? size : kChunk;
        chunks_.push_back(std::make_unique<std::uint8_t[]>(chunkSize));
        chunkSizes_.push_back(chunkSize);
        used_ = 0;
    }
    const std::uint64_t ref = (static_cast<std::uint64_t>(chunks_.size() - 1) << 32) | used_;
    if (size) std::memcpy(chunks_.back().get() + used_, bytes.data(), size);
    used_ += size;
    return ref;
}

std::span<const std::uint8_t> ByteArena::at(std::uint64_t ref, std::uint32_t size) const {
    const auto chunk = static_cast<std::size_t>(ref >> 32);
    const auto offset = static_cast<std::size_t>(ref & 0xFFFFFFFFu);
    return {chunks_[chunk].get() + offset, size};
}

std::size_t ByteArena::bytesHeld() const {
    std::size_t total = 0;
    for (const auto size : chunkSizes_) total += size;
    return total;
}

void ByteArena::clear() {
    chunks_.clear();
    chunkSizes_.clear();
    used_ = kChunk;
}

}  // namespace zcad
