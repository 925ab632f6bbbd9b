// The pacing of progress lines, the user's break and the rate: the same
// algorithm for every import, with each command's own choices pinned.
#include <deque>
#include <string>

#include "host_fixture.h"
#include "import/import_progress.h"

namespace {

std::deque<std::int64_t> ticks;

std::int64_t scriptedClock() {
    const std::int64_t now = ticks.front();
    if (ticks.size() > 1) ticks.pop_front();
    return now;
}

using ImportProgressTest = HostTest;

TEST_F(ImportProgressTest, OnlyASlowReportRaisesTheLimitWhenSoPaced) {
    // start, then one reading per report: 0.1 s, 0.2 s, 0.8 s (slow: the
    // limit becomes 0.55), 1.3 s (0.5 s after: fast again).
    ticks = {0, 100, 200, 800, 1300, 1400};
    zaimport::ImportProgress progress({"\rAt line %lld\n", zaimport::Pacing::RaiseLimitWhenSlow}, scriptedClock);
    for (int line = 1; line <= 300; ++line) progress.at(line);
    EXPECT_EQ(output_, "\rAt line 1\n\rAt line 11\n\rAt line 51\n\rAt line 101\n\rAt line 251\n");
    EXPECT_DOUBLE_EQ(progress.elapsedSeconds(), 1.4);
}

TEST_F(ImportProgressTest, EveryReportRestartsTheIntervalWhenSoPaced) {
    // The report at 0.8 s comes 0.6 s after the one before: fast against the
    // grown limit of 0.605 s, so the step widens again; timed from the
    // start, as the other pacing times it, it is slow and the step stays.
    const std::deque<std::int64_t> clock = {0, 100, 200, 800, 1300, 2000};
    ticks = clock;
    zaimport::ImportProgress each({"At record %lld\n", zaimport::Pacing::RaiseLimitEachReport}, scriptedClock);
    for (int record = 1; record <= 2000; ++record) each.at(record);
    EXPECT_EQ(output_, "At record 1\nAt record 11\nAt record 51\nAt record 251\nAt record 1251\n");

    output_.clear();
    ticks = clock;
    zaimport::ImportProgress slow({"At record %lld\n", zaimport::Pacing::RaiseLimitWhenSlow}, scriptedClock);
    for (int record = 1; record <= 2000; ++record) slow.at(record);
    EXPECT_EQ(output_, "At record 1\nAt record 11\nAt record 51\nAt record 101\nAt record 251\nAt record 501\n"
                       "At record 1251\n");
}

TEST_F(ImportProgressTest, ABreakIsReportedWithTheFileItLeftPartlyLoaded) {
    EXPECT_FALSE(zaimport::userBrokeOff("plot file"));
    zcad::test::breakAfterPolls(1);
    EXPECT_TRUE(zaimport::userBrokeOff("plot file"));
    EXPECT_EQ(output_, "\n*Cancel*\nWARNING: User Abort: plot file partially loaded\n");
}

TEST(ImportRate, NeedsMoreThanTenItemsOverMoreThanTheShortestTime) {
    EXPECT_EQ(zaimport::importRate(11, 0.5, 0.0), 22);
    EXPECT_EQ(zaimport::importRate(10, 0.5, 0.0), std::nullopt);
    // URIN and TRIN time anything over a clock tick...
    EXPECT_EQ(zaimport::importRate(1000, 0.001, 0.0), 1000000);
    EXPECT_EQ(zaimport::importRate(1000, 0.0, 0.0), std::nullopt);
    // ...PFIN only what took more than a tenth of a second.
    EXPECT_EQ(zaimport::importRate(1000, 0.1, 0.1), std::nullopt);
    EXPECT_EQ(zaimport::importRate(1000, 0.125, 0.1), 8000);
}

}  // namespace
