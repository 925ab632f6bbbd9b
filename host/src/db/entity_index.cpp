#include "zcad/database.h"

namespace zcad {

void EntityIndex::push(const Entry& entry) {
    if (size_ == blocks_.size() * kPerBlock) blocks_.push_back(LargeBlock::standard());
    const std::size_t slot = size_ % kPerBlock;
    blocks_.back().use(slot * sizeof(Entry), sizeof(Entry));
    reinterpret_cast<Entry*>(blocks_.back().data())[slot] = entry;
    ++size_;
}

void EntityIndex::truncate(std::size_t count) {
    if (count >= size_) return;
    size_ = count;
    blocks_.resize((count + kPerBlock - 1) / kPerBlock);
    if (count % kPerBlock) blocks_.back().unuse(count % kPerBlock * sizeof(Entry));
}

}  // namespace zcad
