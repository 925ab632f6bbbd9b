#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "../layers/plot_lay_text.h"
#include "../layers/zarvo_fixture.h"
#include "plot/plot_reader.h"
#include "plot_records.h"

namespace {

const std::vector<LayRow> kLayers = {
    {0, 0, 0, "PLAN", "PLANTXT", "std"},
    {5, 0, 0, "ROAD", "ROADTXT", "standard"},
    {5, 3, 0, "ROAD3", "ROAD3TXT", "standard"},
    {9, 0, 0, "KERB", "KERBTXT", "standard"},
};

std::int64_t noTime() { return 0; }

class PlotReader : public ZarvoTest {
protected:
    // Reads the text as the file named, with a table of the rows given.
    ZaPlotReader& run(const std::string& plot, const std::string& name = "job.p01",
                      const std::vector<LayRow>& layers = kLayers) {
        const std::string lay = plotLay(layers);
        EXPECT_TRUE(table_.read(zafiles::memorySource(std::span<const char>(lay.data(), lay.size()))));
        reader_.emplace(table_, zaIsModelPlotFile(name));
        zafiles::LineReader lines(zafiles::memorySource(std::span<const char>(plot.data(), plot.size())));
        zaimport::ImportProgress progress(kZaPlotProgress, noTime);
        reader_->read(lines, progress);
        return *reader_;
    }
    static std::vector<ZaPoint> vertices(const std::vector<Stored>& all, std::size_t polyline) {
        std::vector<ZaPoint> points;
        for (std::size_t i = polyline + 1; i < all.size() && all[i].type == "VERTEX"; ++i) points.push_back(all[i].point(10));
        return points;
    }

    ZaPlotLayerTable table_;
    std::optional<ZaPlotReader> reader_;
};

TEST_F(PlotReader, ADrawAloneIsALineARunOnePolylineAndEachStartsAtTheLastMove) {
    run(move(1, 2) + draw(3, 4) + move(10, 10) + draw(11, 10) + draw(12, 11) + draw(13, 10) + draw(14, 11) +
        draw(15, 10) + narrow(7) + draw(9, 9) + draw(8, 9) + narrow(0) + draw(7, 7));
    ASSERT_EQ(storedTypes(), "LINE POLYLINE VERTEX VERTEX VERTEX VERTEX VERTEX VERTEX SEQEND "
                             "POLYLINE VERTEX VERTEX VERTEX SEQEND ");
    const auto all = storedEntities();
    EXPECT_EQ(all[0].point(10), (ZaPoint{1, 2, 0}));
    EXPECT_EQ(all[0].point(11), (ZaPoint{3, 4, 0}));
    EXPECT_EQ(all[1].text(8), "0");  // no code has been looked up yet
    EXPECT_EQ(vertices(all, 1), (std::vector<ZaPoint>{{10, 10, 0}, {11, 10, 0}, {12, 11, 0}, {13, 10, 0}, {14, 11, 0},
                                                       {15, 10, 0}}));
    EXPECT_EQ(vertices(all, 9), (std::vector<ZaPoint>{{10, 10, 0}, {9, 9, 0}, {8, 9, 0}}));
    EXPECT_EQ(reader_->linesRead(), 12);  // record 0 ends the file
    EXPECT_EQ(reader_->extents().maxX, 15);
    for (const ZaPlotLayerRow& row : table_.rows()) EXPECT_FALSE(row.usedByLines);
}

TEST_F(PlotReader, CodesChooseTheLayersAndWithoutAMatchTheNamesInForceStay) {
    run(narrow(5, 5) + move(0, 0) + draw(1, 0) + narrow(3, 3) + move(0, 0) + draw(2, 0) + narrow(5, 77) +
        move(0, 0) + draw(3, 0) + narrow(5, 9) + narrow(8, 0, 4, 4, 1.5));
    auto all = storedEntities();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0].text(8) + all[1].text(8) + all[2].text(8), "ROADROAD3PLAN");  // PLAN: any code
    EXPECT_EQ(all[3].type + all[3].text(8), "CIRCLEKERB");
    EXPECT_EQ(all[3].real(40), 1.5);
    EXPECT_TRUE(table_.rows()[3].usedByLines);
    EXPECT_FALSE(table_.rows()[3].usedByText);

    zcad::test::resetHost();
    run(narrow(5, 5) + move(0, 0) + draw(1, 0) + narrow(5, 6) + move(0, 0) + draw(2, 0), "job.p01",
        {{5, 0, 0, "ROAD", "ROADTXT", "standard"}});
    all = storedEntities();
    EXPECT_EQ(all[0].text(8) + all[1].text(8), "ROADROAD");
}

TEST_F(PlotReader, ATextTakesItsLinesEachOneAndAHalfHeightsBelowTheLast) {
    run(narrow(5, 9) + narrow(6, 11, 100, 200, 2.0, 0, 3) + "first\r\nsecond \x7f\r\nthird\r\n" + move(1, 1) +
        draw(2, 2) + narrow(6, 47, 10, 10, 1.0, 90, 2) + "up\r\nnext\r\n" + narrow(6, 0, 0, 0, 1, 0, 5) + "cut\r\n");
    ASSERT_EQ(storedTypes(), "TEXT TEXT TEXT LINE TEXT TEXT TEXT ");
    const auto all = storedEntities();
    const double ys[] = {200, 197, 194};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(all[i].text(8), "KERBTXT");
        EXPECT_EQ(all[i].integer(72) * 10 + all[i].integer(73), 12);  // code 11: centre, middle
        EXPECT_NEAR(all[i].point(11)[0], 100, 1e-9);
        EXPECT_NEAR(all[i].point(11)[1], ys[i], 1e-9);
    }
    EXPECT_TRUE(table_.rows()[3].usedByText);
    // Rotated: the next line steps down its own axis. 47 is no justification,
    // so the text is drawn from its insertion point rather than lost.
    EXPECT_EQ(all[4].integer(72), 0);
    EXPECT_NEAR(all[4].real(50), std::numbers::pi / 2, 1e-9);
    EXPECT_NEAR(all[5].point(10)[0], 11.5, 1e-9);
    EXPECT_NEAR(all[5].point(10)[1], 10, 1e-9);
    EXPECT_EQ(all[6].text(1), "cut");  // the file ended inside the text
}

// A model file's 3D polyline is checked by ezdxf (pfin_dxf_test).
TEST_F(PlotReader, OnlyAModelFileReadsZAndOnlyFromTheWideLayout) {
    run(narrow(12) + wide(1, 0, 1, 2, 3) + wide(2, 0, 4, 5, 6) + wide(2, 0, 7, 8, 9) + wide(7), "/jobs/plan.p01");
    const auto all = storedEntities();
    EXPECT_EQ(all[0].at(70), nullptr);
    EXPECT_EQ(vertices(all, 0), (std::vector<ZaPoint>{{1, 2, 0}, {4, 5, 0}, {7, 8, 0}}));

    zcad::test::resetHost();
    run(narrow(1, 0, 1, 2, 3) + narrow(2, 0, 4, 5, 6), "/jobs/hill.m01");  // narrow: no z
    EXPECT_EQ(storedEntities()[0].point(11), (ZaPoint{4, 5, 0}));
}

// The wide layout's end angle is checked by ezdxf (pfin_dxf_test).
TEST_F(PlotReader, ANarrowArcTakesItsEndAngleFromTheTailOfItsLine) {
    run(narrow(9, 0, 10, 20, 5, 0.5) + narrow(9, 0, 10, 20, 6, 0.5).substr(0, 46) + "  1.25\r\n");
    const auto all = storedEntities();
    ASSERT_EQ(storedTypes(), "ARC ARC ");
    EXPECT_NEAR(all[0].real(50), 0.5, 1e-12);
    EXPECT_EQ(all[0].real(51), 0);
    EXPECT_EQ(all[1].real(51), 1.25);
}

TEST_F(PlotReader, NumbersThatAreNotFiniteArePassedOver) {
    std::string bad = draw(0, 0);
    bad.replace(5, 8, "     nan");
    std::string badText = narrow(6, 0, 1, 1, 1, 0, 2);
    badText.replace(21, 8, "   1e999");
    run(move(0, 0) + draw(1, 0) + bad + draw(2, 0) + badText + "lost\r\nlost\r\n" + narrow(8, 0, 5, 5, 1));
    ASSERT_EQ(storedTypes(), "POLYLINE VERTEX VERTEX VERTEX SEQEND CIRCLE ");
    EXPECT_EQ(reader_->skippedRecords(), 2);
}

TEST_F(PlotReader, ARefusedPolylineIsReportedAndLeavesNoSequenceOpen) {
    zcad::test::failEntityMakeAt(3);  // a vertex of the polyline
    run(move(0, 0) + draw(1, 0) + draw(1, 1) + draw(0, 1) + narrow(8, 0, 5, 5, 1) + move(0, 0) + draw(9, 9));
    EXPECT_FALSE(zcad::test::sequenceOpen());
    EXPECT_EQ(storedTypes(), "CIRCLE LINE ");
    EXPECT_EQ(reader_->refusedEntities(), 1);
    EXPECT_TRUE(printed("\nCould not make a polyline of 4 vertices on layer '0' at line 5\n"));
}

TEST_F(PlotReader, AUserBreakStopsReading) {
    zcad::test::breakAfterPolls(3);
    run(move(0, 0) + draw(1, 0) + draw(2, 0) + draw(3, 0));
    zcad::test::breakAfterPolls(0);
    EXPECT_TRUE(reader_->broken());
    EXPECT_EQ(storedTypes(), "LINE ");
    EXPECT_TRUE(printed("WARNING: User Abort: plot file partially loaded"));
}

TEST(PlotFileName, ModelFilesHaveAnMAfterTheDotOfAThreeLetterExtension) {
    EXPECT_TRUE(zaIsModelPlotFile("dir.x/b.Mxx"));
    EXPECT_FALSE(zaIsModelPlotFile(".m0"));
    EXPECT_FALSE(zaIsModelPlotFile("a.p01"));
    EXPECT_FALSE(zaIsModelPlotFile("a.m1"));
}

}  // namespace
