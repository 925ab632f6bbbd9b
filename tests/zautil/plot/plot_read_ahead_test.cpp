// A plot file draws the same whether its lines are read ahead on a second
// thread or on the command's own: whole, cut anywhere, broken off at a line.
#include <string>

#include "../layers/plot_lay_text.h"
#include "../layers/zarvo_fixture.h"
#include "plot/plot_reader.h"
#include "plot_records.h"

namespace {

std::int64_t noTime() { return 0; }

// Several batches of every kind of line: runs, lone draws, codes, texts of
// several lines (one with the degree mark), circles, lines that are no
// record, then the wide layout with arcs and, in a model file, levels.
std::string mixedPlot() {
    std::string plot;
    for (int i = 0; i < 1500; ++i) {
        const double x = i % 97;
        plot += narrow(3, i % 3) + move(x, i % 89);
        for (int d = 0; d < i % 5; ++d) plot += draw(x + d, d);
        plot += narrow(6, 1, x, 2, 1.5, 30, 2) + "LOT " + std::to_string(i) + "\r\n" + "45\x7f\r\n";
        if (i % 7 == 0) plot += "not a record\r\n" + narrow(8, 0, x, 3, 2);
        if (i % 11 == 0) plot += narrow(1).substr(0, 6) + "\r\n";  // a move without its place
    }
    plot += narrow(12);
    for (int i = 0; i < 1500; ++i) {
        plot += wide(5, 5) + wide(1, 0, i, 1, 7) + wide(2, 0, i + 1, 2, 8) + wide(2, 0, i + 2, 1, 9);
        plot += wide(9, 0, i, i, 3, 0.5, 0, 2.5) + wide(6, 0, i, 0, 2, 0, 1) + "12 a text that looks like a record\r\n";
    }
    return plot;
}

class PlotReadAhead : public ZarvoTest {
protected:
    struct Outcome {
        std::string drawing;
        std::string said;
        std::int64_t lines = 0;
        std::int64_t records = 0;
        std::int64_t unreadable = 0;
        bool broken = false;
    };

    Outcome run(const std::string& plot, const std::string& name, bool ahead, int breakAtPoll) {
        zcad::test::resetHost();
        output_.clear();
        const std::string lay =
            plotLay({{0, 0, 0, "PLAN", "PLANTXT", "std"}, {5, 0, 0, "ROAD", "ROADTXT", "standard"}});
        ZaPlotLayerTable table;
        EXPECT_TRUE(table.read(zafiles::memorySource(std::span<const char>(lay.data(), lay.size()))));
        ZaPlotReader reader(table, zaIsModelPlotFile(name));
        zafiles::LineReader lines(zafiles::memorySource(std::span<const char>(plot.data(), plot.size())));
        zaimport::ImportProgress progress(kZaPlotProgress, noTime);
        zcad::test::breakAfterPolls(breakAtPoll);
        reader.read(lines, progress, ahead);
        zcad::test::breakAfterPolls(0);
        EXPECT_FALSE(zcad::test::sequenceOpen());
        return {storedBytes(), output_, reader.linesRead(), reader.records(), reader.unreadableRecords(),
                reader.broken()};
    }

    void expectAlike(const std::string& plot, const std::string& name, int breakAtPoll = 0) {
        const Outcome alone = run(plot, name, false, breakAtPoll);
        const Outcome ahead = run(plot, name, true, breakAtPoll);
        const std::string where = name + " of " + std::to_string(plot.size()) + " bytes, break " +
                                  std::to_string(breakAtPoll);
        EXPECT_TRUE(alone.drawing == ahead.drawing) << where;
        EXPECT_EQ(alone.said, ahead.said) << where;
        EXPECT_EQ(alone.lines, ahead.lines) << where;
        EXPECT_EQ(alone.records, ahead.records) << where;
        EXPECT_EQ(alone.unreadable, ahead.unreadable) << where;
        EXPECT_EQ(alone.broken, ahead.broken) << where;
    }
};

TEST_F(PlotReadAhead, APlanAndAModelDrawAlikeWholeAndBrokenOffAtAnyLine) {
    const std::string plot = mixedPlot();
    for (const std::string name : {"job.p01", "job.m01"}) {
        for (const int poll : {0, 1, 4096, 4097, 9001, 20000}) expectAlike(plot, name, poll);
    }
}

TEST_F(PlotReadAhead, AFileCutAnywhereDrawsAlike) {
    const std::string plot = mixedPlot();
    // Inside a text's lines, inside a run, inside a record, after the switch.
    for (const std::size_t cut : {std::size_t{77}, std::size_t{4000}, plot.size() / 3, plot.size() / 2 + 13,
                                  plot.size() - 40}) {
        expectAlike(plot.substr(0, cut), "job.m01");
    }
    // Record 0 ends the reading, whatever follows.
    expectAlike(plot.substr(0, plot.size() / 2) + narrow(0) + plot.substr(plot.size() / 2), "job.p01");
}

}  // namespace
