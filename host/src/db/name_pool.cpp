#include <array>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>

#include "zcad/group_list.h"

namespace zcad::detail {

std::string_view* pooledChunks[kNameChunks] = {};

namespace {

// Longer texts, or more names than these, are kept as bytes: a drawing with
// a name per entity must not grow the pool without end.
constexpr std::size_t kLongestName = 255;

// Numbers are handed out under the lock; a number is read without it, as a
// number is only ever seen after the name it stands for was stored.
class NamePool {
public:
    std::uint32_t number(std::string_view name) {
        const std::lock_guard lock(mutex_);
        if (const auto found = numbers_.find(name); found != numbers_.end()) return found->second;
        if (count_ == kNamesPerChunk * kNameChunks) return kNotPooled;
        const std::string_view kept = names_.emplace_back(name);
        // Chunks live as long as the pool, which is never destroyed.
        std::string_view*& chunk = pooledChunks[count_ / kNamesPerChunk];
        if (!chunk) chunk = new std::string_view[kNamesPerChunk];
        chunk[count_ % kNamesPerChunk] = kept;
        numbers_.emplace(kept, count_);
        return count_++;
    }

private:
    std::mutex mutex_;
    std::deque<std::string> names_;  // never moves what it holds
    std::unordered_map<std::string_view, std::uint32_t> numbers_;
    std::uint32_t count_ = 0;
};

// Never destroyed: a thread still saving at exit may read it.
NamePool& pool() {
    static NamePool* const instance = new NamePool;
    return *instance;
}

// A few names met lately on this thread, found without the lock: a run of
// entities repeats the same handful of types and layers.
struct Recent {
    const char* text = nullptr;
    std::size_t size = 0;
    std::uint32_t number = kNotPooled;
};
constexpr std::size_t kRecentSlots = 16;
thread_local std::array<Recent, kRecentSlots> recent;

std::size_t recentSlot(std::string_view name) {
    const auto first = static_cast<unsigned char>(name.front());
    const auto last = static_cast<unsigned char>(name.back());
    return (name.size() * 7 + first * 3 + last) % kRecentSlots;
}

}  // namespace

std::uint32_t pooledNumber(std::string_view name) {
    if (name.empty() || name.size() > kLongestName) return kNotPooled;
    Recent& slot = recent[recentSlot(name)];
    if (slot.size == name.size() && std::memcmp(slot.text, name.data(), name.size()) == 0) return slot.number;
    const std::uint32_t number = pool().number(name);
    if (number == kNotPooled) return number;
    const std::string_view kept = pooledName(number);
    slot = {kept.data(), kept.size(), number};
    return number;
}

}  // namespace zcad::detail
