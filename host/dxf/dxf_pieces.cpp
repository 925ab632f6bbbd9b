#include "dxf_pieces.h"

namespace zcad::dxf {

Piece PiecePool::get() {
    {
        std::lock_guard lock(mutex_);
        if (!spare_.empty()) {
            Piece piece = std::move(spare_.back());
            spare_.pop_back();
            piece.size = 0;
            return piece;
        }
        // Counted before it exists: a failed allocation only leaves room unused.
        spare_.reserve(++made_);
    }
    return Piece{std::make_unique_for_overwrite<char[]>(kPieceBytes), 0};
}

void PiecePool::put(Piece piece) noexcept {
    if (!piece.bytes) return;
    std::lock_guard lock(mutex_);
    spare_.push_back(std::move(piece));
}

}  // namespace zcad::dxf
