// Reading ahead hands out what the reader gave, in order, and leaves no
// thread behind however the caller gives up.
#include <atomic>
#include <stdexcept>

#include <gtest/gtest.h>

#include "files/decode_ahead.h"

namespace {

struct Pulled {
    int value = -1;
    bool record = false;  // false: the reader's end, its last pull
};

// A reader of `count` records that counts its pulls.
struct Reader {
    int count;
    int failAt = -1;
    std::atomic<int> pulls{0};

    zafiles::PullAhead<Pulled> ahead(bool threaded, std::size_t batch, std::size_t depth) {
        return zafiles::PullAhead<Pulled>(
            [this](Pulled& item) {
                if (pulls == failAt) throw std::runtime_error("read failed");
                item.value = pulls++;
                item.record = item.value < count;
                return item.record;
            },
            threaded, batch, depth);
    }
};

class DecodeAhead : public ::testing::TestWithParam<bool> {};

TEST_P(DecodeAhead, HandsOutEveryPullInOrderAcrossBatchesThenTheEndOnce) {
    for (const int count : {0, 1, 3, 4, 5, 9, 31}) {
        Reader reader{count};
        auto ahead = reader.ahead(GetParam(), 4, 2);
        int expected = 0;
        while (const Pulled* item = ahead.next()) {
            EXPECT_EQ(item->value, expected++);
            EXPECT_EQ(item->record, item->value < count);
        }
        EXPECT_EQ(expected, count + 1);
        EXPECT_EQ(ahead.next(), nullptr);
    }
}

TEST_P(DecodeAhead, GivingUpMidBatchStopsTheReaderWithinItsFewBatches) {
    for (const int taken : {0, 1, 5, 6, 12}) {
        Reader reader{1000};
        try {
            auto ahead = reader.ahead(GetParam(), 5, 3);
            for (int i = 0; i < taken; ++i) ASSERT_EQ(ahead.next()->value, i);
            // Stopped by hand, or by the destructor as an exception passes.
            if (taken % 2 != 0) throw std::runtime_error("the host refused an entity");
            ahead.stop();
            EXPECT_EQ(ahead.next(), nullptr);
        } catch (const std::runtime_error&) {
        }
        EXPECT_LE(reader.pulls, (taken / 5 + 4) * 5);
    }
}

TEST_P(DecodeAhead, AFailingReaderReachesTheCallerAfterTheWholeBatchesBeforeIt) {
    Reader reader{1000, 10};
    auto ahead = reader.ahead(GetParam(), 4, 2);
    int seen = 0;
    const auto drain = [&] {
        while (ahead.next()) ++seen;
    };
    EXPECT_THROW(drain(), std::runtime_error);
    EXPECT_EQ(seen, 8);
}

INSTANTIATE_TEST_SUITE_P(OnOneThreadOrTwo, DecodeAhead, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Threaded" : "Inline"; });

}  // namespace
