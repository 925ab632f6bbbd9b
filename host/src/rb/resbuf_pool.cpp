#include "resbuf_pool.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#define ZCAD_RESBUF_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZCAD_RESBUF_HEAP 1
#endif
#endif

namespace zcad {

#ifdef ZCAD_RESBUF_HEAP

// Under AddressSanitizer each node is its own allocation, so that a node
// used after its release, or never released, is still reported.
resbuf* takeResbuf() { return static_cast<resbuf*>(std::calloc(1, sizeof(resbuf))); }
void giveResbuf(resbuf* rb) { std::free(rb); }

#else

namespace {

// Nodes are carved from slabs that are never returned to the heap; free
// nodes are chained through rbnext. Each thread keeps its own chain, and
// hands it to the shared one when it ends, so nothing is lost.
constexpr std::size_t kSlabNodes = 1024;

struct Shared {
    std::mutex mutex;
    resbuf* free = nullptr;
};

Shared& shared() {
    static Shared* const pool = new Shared;  // outlives every thread's chain
    return *pool;
}

struct LocalChain {
    resbuf* free = nullptr;
    ~LocalChain() {
        if (!free) return;
        resbuf* last = free;
        while (last->rbnext) last = last->rbnext;
        Shared& pool = shared();
        std::lock_guard lock(pool.mutex);
        last->rbnext = pool.free;
        pool.free = free;
    }
};

thread_local LocalChain local;

bool refill() {
    {
        Shared& pool = shared();
        std::lock_guard lock(pool.mutex);
        if (pool.free) {
            local.free = std::exchange(pool.free, nullptr);
            return true;
        }
    }
    auto* slab = static_cast<resbuf*>(std::malloc(kSlabNodes * sizeof(resbuf)));
    if (!slab) return false;
    for (std::size_t i = 0; i + 1 < kSlabNodes; ++i) slab[i].rbnext = &slab[i + 1];
    slab[kSlabNodes - 1].rbnext = nullptr;
    local.free = slab;
    return true;
}

}  // namespace

resbuf* takeResbuf() {
    if (!local.free && !refill()) return nullptr;
    resbuf* rb = local.free;
    local.free = rb->rbnext;
    std::memset(rb, 0, sizeof *rb);
    return rb;
}

void giveResbuf(resbuf* rb) {
    rb->rbnext = local.free;
    local.free = rb;
}

#endif

}  // namespace zcad
