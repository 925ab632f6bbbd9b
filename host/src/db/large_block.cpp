#include "zcad/large_block.h"

#include <sanitizer/asan_interface.h>
#include <sys/mman.h>

#include <new>
#include <utility>

namespace zcad {

namespace {

std::size_t roundUp(std::size_t bytes) {
    return (bytes + LargeBlock::kAlignment - 1) / LargeBlock::kAlignment * LargeBlock::kAlignment;
}

}  // namespace

LargeBlock::LargeBlock(std::size_t bytes) {
    size_ = roundUp(bytes == 0 ? 1 : bytes);
    if (size_ < bytes) throw std::bad_alloc();
    // Map one alignment more than needed, then give back the ends so the
    // block starts on a huge-page boundary.
    const std::size_t mapped = size_ + kAlignment;
    void* raw = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    auto* start = static_cast<std::uint8_t*>(raw);
    const auto address = reinterpret_cast<std::uintptr_t>(start);
    const std::size_t head = (kAlignment - address % kAlignment) % kAlignment;
    if (head) ::munmap(start, head);
    const std::size_t tail = mapped - head - size_;
    if (tail) ::munmap(start + head + size_, tail);
    data_ = start + head;
    // No huge-page advice: on a virtual machine that hands freed memory back
    // to its host, a huge page is found only among such memory and costs a
    // fault for each of its 4 KiB there, which made a single import a third
    // slower than plain pages do; with memory still warm it gained nothing.
    ASAN_POISON_MEMORY_REGION(data_, size_);
}

void LargeBlock::use(std::size_t offset, std::size_t bytes) {
    ASAN_UNPOISON_MEMORY_REGION(data_ + offset, bytes);
    static_cast<void>(offset);
    static_cast<void>(bytes);
}

void LargeBlock::unuse(std::size_t offset) {
    if (offset < size_) ASAN_POISON_MEMORY_REGION(data_ + offset, size_ - offset);
}

LargeBlock::~LargeBlock() { release(); }

LargeBlock::LargeBlock(LargeBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

LargeBlock& LargeBlock::operator=(LargeBlock&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void LargeBlock::release() {
    // Poison left behind would mark a later mapping at this address.
    ASAN_UNPOISON_MEMORY_REGION(data_, size_);
    if (data_) ::munmap(data_, size_);
    data_ = nullptr;
    size_ = 0;
}

}  // namespace zcad
