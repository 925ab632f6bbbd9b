#include "failing_allocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> failAt{0};
std::atomic<long> made{0};

void* allocate(std::size_t size) {
    if (failAt.load(std::memory_order_relaxed) > 0 && made.fetch_add(1) + 1 == failAt.load()) throw std::bad_alloc();
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

void* allocateOrNull(std::size_t size) noexcept {
    try {
        return allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace

namespace faults {

FailingAllocation::FailingAllocation(long n) {
    made = 0;
    failAt = n;
}

FailingAllocation::~FailingAllocation() { failAt = 0; }

bool FailingAllocation::fired() const { return made.load() >= failAt.load(); }

long FailingAllocation::allocations() const { return made.load(); }

}  // namespace faults

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocateOrNull(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocateOrNull(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
