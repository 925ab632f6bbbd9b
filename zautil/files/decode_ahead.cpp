#include "files/decode_ahead.h"

#include <atomic>

namespace zafiles {
namespace {

// About four thousand records of the suite's string and plot files.
std::atomic<std::uint64_t> minimumBytes{256 * 1024};

}  // namespace

std::uint64_t decodeAheadMinimumBytes() { return minimumBytes.load(std::memory_order_relaxed); }

void setDecodeAheadMinimumBytes(std::uint64_t bytes) { minimumBytes.store(bytes, std::memory_order_relaxed); }

}  // namespace zafiles
