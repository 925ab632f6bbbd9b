// Memory for large blocks that are filled and read in order: entity storage
// and a drawing's text while it is read. Blocks are mapped whole and 2 MiB
// aligned, so a kernel that backs memory with huge pages by itself can.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma GCC visibility push(default)

namespace zcad {

class LargeBlock {
public:
    static constexpr std::size_t kAlignment = std::size_t{2} << 20;

    LargeBlock() = default;
    // At least `bytes`, rounded up to the alignment; throws std::bad_alloc.
    explicit LargeBlock(std::size_t bytes);
    // A block of kAlignment bytes whose pages are already there, when a
    // thread that runs only on an idle core has had the time to fault them
    // in; else a fresh one. For stores that grow a block at a time.
    static LargeBlock standard();
    ~LargeBlock();
    LargeBlock(LargeBlock&& other) noexcept;
    LargeBlock& operator=(LargeBlock&& other) noexcept;
    LargeBlock(const LargeBlock&) = delete;
    LargeBlock& operator=(const LargeBlock&) = delete;

    std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }

    // Marks bytes as filled. Under AddressSanitizer the rest of the block
    // stays out of bounds, so reading past what was stored is caught as a
    // heap overflow would be; otherwise this does nothing.
    void use(std::size_t offset, std::size_t bytes);
    // Marks everything from `offset` on as no longer filled.
    void unuse(std::size_t offset);

private:
    void release();

    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace zcad

#pragma GCC visibility pop
