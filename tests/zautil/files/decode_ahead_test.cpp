#include <atomic>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "files/decode_ahead.h"

using zafiles::PullAhead;

namespace {

// What a reader hands out: numbered records, then a last pull that says how
// it ended.
struct Pulled {
    int value = -1;
    bool record = false;
    int fault = 0;
};

// A reader of `count` records whose last pull carries `fault`.
struct CountingReader {
    int count;
    int fault = 0;
    std::atomic<int> pulls{0};

    bool pull(Pulled& item) {
        const int at = pulls++;
        item.value = at;
        item.record = at < count;
        item.fault = item.record ? 0 : fault;
        return item.record;
    }
};

std::vector<Pulled> drain(PullAhead<Pulled>& ahead) {
    std::vector<Pulled> seen;
    while (const Pulled* item = ahead.next()) seen.push_back(*item);
    return seen;
}

class DecodeAhead : public ::testing::TestWithParam<bool> {
protected:
    bool threaded() const { return GetParam(); }
};

}  // namespace

TEST_P(DecodeAhead, HandsOutEveryPullInOrderAcrossBatchBoundariesThenTheEnd) {
    for (const int count : {0, 1, 3, 4, 5, 8, 9, 31}) {
        CountingReader reader{count, 7};
        PullAhead<Pulled> ahead([&reader](Pulled& item) { return reader.pull(item); }, threaded(), 4, 2);
        const std::vector<Pulled> seen = drain(ahead);
        ASSERT_EQ(seen.size(), static_cast<std::size_t>(count) + 1) << count;
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(seen[static_cast<std::size_t>(i)].value, i);
            EXPECT_TRUE(seen[static_cast<std::size_t>(i)].record);
        }
        // The end, with the fault the reader held, comes last and once.
        EXPECT_FALSE(seen.back().record);
        EXPECT_EQ(seen.back().fault, 7);
        EXPECT_EQ(ahead.next(), nullptr);
        EXPECT_EQ(reader.pulls, count + 1);
    }
}

TEST_P(DecodeAhead, StoppingEarlyEndsTheReadingAheadWithinItsFewBatches) {
    constexpr int kBatch = 5;
    constexpr int kDepth = 3;
    for (const int taken : {0, 1, 4, 5, 6, 12}) {
        CountingReader reader{1000};
        {
            PullAhead<Pulled> ahead([&reader](Pulled& item) { return reader.pull(item); }, threaded(), kBatch, kDepth);
            for (int i = 0; i < taken; ++i) {
                const Pulled* item = ahead.next();
                ASSERT_NE(item, nullptr);
                EXPECT_EQ(item->value, i);
            }
            // Stopped by hand, or else by the destructor.
            if (taken % 2 == 0) {
                ahead.stop();
                EXPECT_EQ(ahead.next(), nullptr);
            }
        }
        // Joined: nothing pulls any more, and it never ran further ahead
        // than the batches it may hold.
        const int pulled = reader.pulls;
        EXPECT_LE(pulled, (taken / kBatch + 1 + kDepth) * kBatch);
        EXPECT_EQ(reader.pulls, pulled);
    }
}

TEST_P(DecodeAhead, AFailingReaderReachesTheCallerAfterTheWholeBatchesBeforeIt) {
    int pulls = 0;
    PullAhead<Pulled> ahead(
        [&pulls](Pulled& item) {
            if (pulls == 10) throw std::runtime_error("read failed");
            item.value = pulls++;
            item.record = true;
            return true;
        },
        threaded(), 4, 2);
    std::vector<int> seen;
    const auto drainValues = [&] {
        while (const Pulled* item = ahead.next()) seen.push_back(item->value);
    };
    EXPECT_THROW(drainValues(), std::runtime_error);
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_P(DecodeAhead, AConsumerThatThrowsMidBatchLeavesNoThreadBehind) {
    CountingReader reader{100000};
    try {
        PullAhead<Pulled> ahead([&reader](Pulled& item) { return reader.pull(item); }, threaded(), 64, 2);
        for (int i = 0; i < 100; ++i) ahead.next();
        throw std::runtime_error("the host refused an entity");
    } catch (const std::runtime_error&) {
    }
    EXPECT_LE(reader.pulls, 64 * 4);
}

INSTANTIATE_TEST_SUITE_P(OnOneThreadOrTwo, DecodeAhead, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Threaded" : "Inline"; });
