#include <cstring>

#include "zcad/database.h"

namespace zcad {

namespace {

using SizePrefix = std::uint32_t;

}  // namespace

std::uint64_t ByteArena::store(std::span<const std::uint8_t> bytes) {
    const auto size = static_cast<SizePrefix>(bytes.size());
    const std::size_t needed = sizeof size + bytes.size();
    if (chunks_.empty() || used_ + needed > chunks_.back().size()) {
        chunks_.emplace_back(needed);
        used_ = 0;
    }
    const std::uint64_t ref = (static_cast<std::uint64_t>(chunks_.size() - 1) << 32) | used_;
    LargeBlock& chunk = chunks_.back();
    chunk.use(used_, needed);
    std::memcpy(chunk.data() + used_, &size, sizeof size);
    if (size) std::memcpy(chunk.data() + used_ + sizeof size, bytes.data(), bytes.size());
    used_ += needed;
    return ref;
}

std::span<const std::uint8_t> ByteArena::at(std::uint64_t ref) const {
    const auto chunk = static_cast<std::size_t>(ref >> 32);
    const auto offset = static_cast<std::size_t>(ref & 0xFFFFFFFFu);
    const std::uint8_t* start = chunks_[chunk].data() + offset;
    SizePrefix size;
    std::memcpy(&size, start, sizeof size);
    return {start + sizeof size, size};
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

void ByteArena::rollback(Mark mark) {
    chunks_.resize(mark.chunks);
    used_ = mark.used;
    if (!chunks_.empty()) chunks_.back().unuse(used_);
}

}  // namespace zcad
