#include <deque>
#include <string>

#include "host_fixture.h"
#include "plot/plot_progress.h"

namespace {

std::deque<std::int64_t> ticks;

std::int64_t scriptedClock() {
    const std::int64_t now = ticks.front();
    if (ticks.size() > 1) ticks.pop_front();
    return now;
}

using PlotProgress = HostTest;

TEST_F(PlotProgress, FastReportsWidenTheStepAndSlowOnesRaiseTheThreshold) {
    // start, then one reading per report: 0.1 s, 0.2 s, 0.8 s (slow: the
    // threshold becomes 0.55), 1.3 s (0.5 s after: fast again).
    ticks = {0, 100, 200, 800, 1300, 1400};
    ZaPlotProgress progress(scriptedClock);
    progress.start();
    for (int line = 1; line <= 300; ++line) progress.at(line);
    EXPECT_EQ(output_, "\nStart line 0\n\rAt line 1\n\rAt line 11\n\rAt line 51\n\rAt line 101\n\rAt line 251\n");
    EXPECT_DOUBLE_EQ(progress.elapsedSeconds(), 1.4);
}

}  // namespace
