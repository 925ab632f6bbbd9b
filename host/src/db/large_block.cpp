#include "zcad/large_block.h"

#include <sanitizer/asan_interface.h>
#include <sys/mman.h>

#include <pthread.h>
#include <sched.h>

#include <condition_variable>
#include <mutex>
#include <new>
#include <utility>

namespace zcad {

namespace {

std::size_t roundUp(std::size_t bytes) {
    return (bytes + LargeBlock::kAlignment - 1) / LargeBlock::kAlignment * LargeBlock::kAlignment;
}

// Blocks faulted in ahead by a thread of the lowest priority, so that a
// store growing by millions of entities finds its memory there instead of
// waiting for the kernel page by page. It runs only when a core would
// otherwise idle: work that keeps every core busy is not slowed by it.
// It starts only once stores have grown past a few blocks: a process with
// a second thread pays for it in every allocation after (the C library
// takes locks it skips while there is one thread), which a small drawing
// would not win back.
class BlockSupply {
public:
    LargeBlock take() {
        std::unique_lock lock(mutex_);
        if (++taken_ <= kTakenBeforeStart) {
            lock.unlock();
            return LargeBlock(LargeBlock::kAlignment);
        }
        start();
        LargeBlock block;
        if (readyCount_ > 0) block = std::move(ready_[--readyCount_]);
        wanted_ = true;
        changed_.notify_one();
        lock.unlock();
        return block.data() ? std::move(block) : LargeBlock(LargeBlock::kAlignment);
    }

private:
    static constexpr std::size_t kReady = 2;
    static constexpr std::size_t kTakenBeforeStart = 4;

    // A thread of the C library's, not std::thread: starting it allocates
    // nothing from the C++ heap, so a caller that runs out of memory there
    // (or a test that makes it) meets the failure in its own allocations.
    // Called with the lock held.
    void start() {
        if (started_) return;
        started_ = true;
        pthread_t thread;
        const auto body = [](void* self) -> void* {
            static_cast<BlockSupply*>(self)->run();
            return nullptr;
        };
        // No thread to be had: blocks are faulted in where they are used.
        if (pthread_create(&thread, nullptr, body, this) != 0) return;
        sched_param idle{};
        pthread_setschedparam(thread, SCHED_IDLE, &idle);
        pthread_detach(thread);
    }

    void run() {
        while (true) {
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [this] { return wanted_ && readyCount_ < kReady; });
            }
            LargeBlock block;
            try {
                block = LargeBlock(LargeBlock::kAlignment);
            } catch (...) {
                return;  // out of memory: nothing to get ahead of
            }
            if (::madvise(block.data(), block.size(), MADV_POPULATE_WRITE) != 0) return;  // a kernel without it
            std::lock_guard lock(mutex_);
            ready_[readyCount_++] = std::move(block);
            if (readyCount_ == kReady) wanted_ = false;
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    LargeBlock ready_[kReady];
    std::size_t readyCount_ = 0;
    bool wanted_ = false;
    bool started_ = false;
    std::size_t taken_ = 0;
};

// Never destroyed, as its thread may still be at work at exit; made in
// place, as it may first be wanted where the heap has run out.
BlockSupply& supply() {
    alignas(BlockSupply) static unsigned char room[sizeof(BlockSupply)];
    static BlockSupply* const instance = new (room) BlockSupply;
    return *instance;
}

}  // namespace

LargeBlock LargeBlock::standard() { return supply().take(); }

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
