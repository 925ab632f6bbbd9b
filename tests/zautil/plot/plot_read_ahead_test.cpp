// A plot file draws the same whether its lines are read ahead on a second
// thread or on the command's own: whole, cut anywhere, broken off at a line.
#include <string>

#include "../layers/plot_lay_text.h"
#include "../layers/zarvo_fixture.h"
#include "plot/plot_reader.h"
#include "plot_records.h"

namespace {

std::int64_t noTime() { return 0; }

// Several batches of every kind of line: runs, codes, texts of two lines
// (one with the degree mark), circles, lines that are no record, then the
// wide layout with arcs, levels in a model file, and a text line that looks
// like a record.
std::string mixedPlot() {
    std::string plot;
    for (int i = 0; i < 1500; ++i) {
        plot += narrow(3, i % 3) + move(i % 97, i % 89);
        for (int d = 0; d < i % 5; ++d) plot += draw(d, d);
        plot += narrow(6, 1, i, 2, 1.5, 30, 2) + "LOT " + std::to_string(i) + "\r\n45\x7f\r\n";
        if (i % 7 == 0) plot += "not a record\r\n" + narrow(8, 0, i, 3, 2) + narrow(1).substr(0, 6) + "\r\n";
    }
    plot += narrow(12);
    for (int i = 0; i < 1500; ++i) {
        plot += wide(5, 5) + wide(1, 0, i, 1, 7) + wide(2, 0, i + 1, 2, 8) + wide(2, 0, i + 2, 1, 9);
        plot += wide(9, 0, i, i, 3, 0.5, 0, 2.5) + wide(6, 0, i, 0, 2, 0, 1) + "12 a text\r\n";
    }
    return plot;
}

class PlotReadAhead : public ZarvoTest {
protected:
    // The drawing, the transcript and the reader's counts.
    std::string run(const std::string& plot, const std::string& name, bool ahead, int breakAtPoll) {
        zcad::test::resetHost();
        output_.clear();
        const std::string lay = plotLay({{0, 0, 0, "PLAN", "PLANTXT", "std"}, {5, 0, 0, "ROAD", "ROADTXT", "std"}});
        ZaPlotLayerTable table;
        EXPECT_TRUE(table.read(zafiles::memorySource(std::span<const char>(lay.data(), lay.size()))));
        ZaPlotReader reader(table, zaIsModelPlotFile(name));
        zafiles::LineReader lines(zafiles::memorySource(std::span<const char>(plot.data(), plot.size())));
        zaimport::ImportProgress progress(kZaPlotProgress, noTime);
        zcad::test::breakAfterPolls(breakAtPoll);
        reader.read(lines, progress, ahead);
        zcad::test::breakAfterPolls(0);
        EXPECT_FALSE(zcad::test::sequenceOpen());
        return storedBytes() + output_ + std::to_string(reader.linesRead()) + " " + std::to_string(reader.records()) +
               " " + std::to_string(reader.unreadableRecords()) + " " + std::to_string(reader.broken());
    }

    void expectAlike(const std::string& plot, const std::string& name, int breakAtPoll = 0) {
        EXPECT_TRUE(run(plot, name, false, breakAtPoll) == run(plot, name, true, breakAtPoll))
            << name << " of " << plot.size() << " bytes, break " << breakAtPoll;
    }
};

TEST_F(PlotReadAhead, APlanAndAModelDrawAlikeWholeCutAnywhereOrBrokenOff) {
    const std::string plot = mixedPlot();
    for (const std::string name : {"job.p01", "job.m01"}) {
        for (const int poll : {0, 1, 4096, 4097, 20000}) expectAlike(plot, name, poll);
    }
    // Inside a text's lines, a run, a record; after the switch.
    for (const std::size_t cut : {std::size_t{77}, std::size_t{4000}, plot.size() / 2 + 13, plot.size() - 40}) {
        expectAlike(plot.substr(0, cut), "job.m01");
    }
    // Record 0 ends the reading, whatever follows.
    expectAlike(plot.substr(0, plot.size() / 2) + narrow(0) + plot.substr(plot.size() / 2), "job.p01");
}

}  // namespace
