// Entity storage: large blocks and the arena that packs lists into them.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <thread>
#include <vector>

#include "zcad/database.h"
#include "zcad/large_block.h"

namespace {

TEST(LargeBlock, IsAlignedWritableAndMovesItsOwnership) {
    zcad::LargeBlock block(100);
    ASSERT_NE(block.data(), nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block.data()) % zcad::LargeBlock::kAlignment, 0u);
    EXPECT_EQ(block.size(), zcad::LargeBlock::kAlignment);
    block.use(0, block.size());
    block.data()[block.size() - 1] = 7;
    zcad::LargeBlock moved(std::move(block));
    EXPECT_EQ(block.data(), nullptr);
    EXPECT_EQ(moved.data()[moved.size() - 1], 7);
    EXPECT_EQ(zcad::LargeBlock(zcad::LargeBlock::kAlignment + 1).size(), 2 * zcad::LargeBlock::kAlignment);
}

// Standard blocks may have been faulted in ahead on another thread: each
// must still come whole, zeroed and to one taker only, however fast they go.
TEST(LargeBlock, StandardBlocksComeZeroedAndToOneTakerEach) {
    const auto take = [](std::vector<zcad::LargeBlock>& into) {
        for (int i = 0; i < 24; ++i) into.push_back(zcad::LargeBlock::standard());
    };
    std::vector<zcad::LargeBlock> mine;
    std::vector<zcad::LargeBlock> theirs;
    std::thread other(take, std::ref(theirs));
    take(mine);
    other.join();
    for (auto& block : theirs) mine.push_back(std::move(block));
    std::set<const std::uint8_t*> seen;
    for (auto& block : mine) {
        ASSERT_EQ(block.size(), zcad::LargeBlock::kAlignment);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block.data()) % zcad::LargeBlock::kAlignment, 0u);
        EXPECT_TRUE(seen.insert(block.data()).second);
        block.use(0, block.size());
        for (std::size_t at = 0; at < block.size(); at += 4096) ASSERT_EQ(block.data()[at], 0);
        block.data()[block.size() - 1] = 1;
    }
}

TEST(ByteArena, ListsAcrossChunksAndLargerThanAChunkReadBackIntact) {
    zcad::ByteArena arena;
    std::vector<std::pair<std::uint64_t, std::vector<std::uint8_t>>> stored;
    const std::size_t sizes[] = {1000, zcad::LargeBlock::kAlignment - 500, 3000, 3 * zcad::LargeBlock::kAlignment, 0, 17};
    std::uint8_t fill = 1;
    for (const std::size_t size : sizes) {
        std::vector<std::uint8_t> bytes(size, fill++);
        stored.emplace_back(arena.store(bytes), std::move(bytes));
    }
    for (const auto& [ref, bytes] : stored) {
        const auto back = arena.at(ref);
        ASSERT_EQ(std::vector<std::uint8_t>(back.begin(), back.end()), bytes);
    }
    arena.clear();
    EXPECT_EQ(arena.bytesHeld(), 0u);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

// The blocks are not heap memory, so the sanitizer is told where the
// stored lists end.
TEST(ByteArenaDeathTest, ReadingPastTheLastListIsCaughtUnderAddressSanitizer) {
    if (!kAddressSanitizer) GTEST_SKIP() << "built without AddressSanitizer";
    zcad::ByteArena arena;
    const std::vector<std::uint8_t> bytes(40, 1);
    const auto ref = arena.store(bytes);
    const auto stored = arena.at(ref);
    EXPECT_EQ(stored[39], 1);
    EXPECT_DEATH(
        {
            const volatile std::uint8_t* past = stored.data() + 40;
            static_cast<void>(*past);
        },
        "AddressSanitizer");
}

}  // namespace
