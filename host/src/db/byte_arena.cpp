#include <cstring>

#include "zcad/database.h"

namespace zcad {

namespace {

// A list's size goes in front of it as a little varint: one byte for most
// entities, which are short.
std::size_t sizeRoom(std::size_t size) {
    std::size_t room = 1;
    for (; size >= 0x80; size >>= 7) ++room;
    return room;
}

}  // namespace

std::uint64_t ByteArena::store(std::span<const std::uint8_t> bytes) {
    const std::size_t needed = sizeRoom(bytes.size()) + bytes.size();
    if (chunks_.empty() || used_ + needed > chunks_.back().size()) {
        chunks_.push_back(needed <= LargeBlock::kAlignment ? LargeBlock::standard() : LargeBlock(needed));
        used_ = 0;
    }
    const std::uint64_t ref = (static_cast<std::uint64_t>(chunks_.size() - 1) << 32) | used_;
    LargeBlock& chunk = chunks_.back();
    chunk.use(used_, needed);
    std::uint8_t* at = chunk.data() + used_;
    detail::putVarint(at, bytes.size());
    if (!bytes.empty()) std::memcpy(at, bytes.data(), bytes.size());
    used_ += needed;
    return ref;
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
