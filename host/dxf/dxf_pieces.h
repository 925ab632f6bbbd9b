// Finished text travels in pieces of a fixed size that are handed on whole,
// from the thread that formats them to the one that writes them, so no byte
// is copied again before the kernel takes it. Pieces go back to a pool and
// are used again: a save touches the same few megabytes throughout.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

namespace zcad::dxf {

constexpr std::size_t kPieceBytes = std::size_t{1} << 18;

struct Piece {
    std::unique_ptr<char[]> bytes;  // kPieceBytes of them
    std::size_t size = 0;           // how many are used

    std::string_view view() const { return {bytes.get(), size}; }
};

// Shared by the threads of one write.
class PiecePool {
public:
    // An empty piece; may throw std::bad_alloc.
    Piece get();
    // Never allocates, so a thread that must not throw can give pieces back.
    void put(Piece piece) noexcept;

private:
    std::mutex mutex_;
    std::vector<Piece> spare_;  // room for every piece made
    std::size_t made_ = 0;
};

// Where finished pieces go, in order.
class PieceSink {
public:
    virtual ~PieceSink() = default;
    // Takes the piece; false refuses it, and the write ends there.
    virtual bool take(Piece piece) = 0;
};

}  // namespace zcad::dxf
