#include <cstring>

#include "zcad/database.h"

namespace zcad {

std::uint64_t ByteArena::store(std::span<const std::uint8_t> bytes) {
    const std::size_t size = bytes.size();
    if (chunks_.empty() || used_ + size > chunks_.back().size()) {
        chunks_.emplace_back(size);
        used_ = 0;
    }
    const std::uint64_t ref = (static_cast<std::uint64_t>(chunks_.size() - 1) << 32) | used_;
    chunks_.back().use(used_, size);
    if (size) std::memcpy(chunks_.back().data() + used_, bytes.data(), size);
    used_ += size;
    return ref;
}

std::span<const std::uint8_t> ByteArena::at(std::uint64_t ref, std::uint32_t size) const {
    const auto chunk = static_cast<std::size_t>(ref >> 32);
    const auto offset = static_cast<std::size_t>(ref & 0xFFFFFFFFu);
    return {chunks_[chunk].data() + offset, size};
}

std::size_t ByteArena::bytesHeld() const {
    std::size_t total = 0;
    for (const auto& chunk : chunks_) total += chunk.size();
    return total;
}

void ByteArena::clear() {
    chunks_.clear();
    used_ = 0;
}

}  // namespace zcad
