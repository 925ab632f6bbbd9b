#include <string>
#include <vector>

#include "layers/plot_layer_table.h"
#include "plot_lay_text.h"
#include "zarvo_fixture.h"

namespace {

using PlotLayerTable = ZarvoTest;

std::string lookUp(ZaPlotLayerTable& t, int code, int pen, int lineType) {
    t.setLayerCode(code);
    t.setPen(pen);
    t.setLineType(lineType);
    t.findByCodes();
    return t.lineLayer() + "," + t.textLayer() + "," + t.textStyle();
}

const std::vector<LayRow> kRoads = {
    {10, 0, 0, "ROAD", "ROADTXT", "romans"},
    {10, 3, 0, "ROADPEN3", "ROADTXT3", "romans"},
    {0, 0, 7, "HIDDEN", "HIDDENTXT", "std"},
    {57, 2, 1, "KERB", "KERBTXT", "simplex"},
};

TEST_F(PlotLayerTable, ZeroMatchesAnyCodeTheLastMatchWinsAndAMissKeepsTheNames) {
    ZaPlotLayerTable t;
    ASSERT_TRUE(t.load(write("plot.lay", plotLay(kRoads))));
    EXPECT_TRUE(printed("Loading file " + dir_ + "plot.lay \n"));
    EXPECT_EQ(t.lineLayer() + t.textLayer() + t.textStyle(), "00std");
    EXPECT_EQ(lookUp(t, 10, 1, 1), "ROAD,ROADTXT,romans");
    EXPECT_EQ(lookUp(t, 10, 3, 1), "ROADPEN3,ROADTXT3,romans");
    EXPECT_EQ(lookUp(t, 10, 3, 7), "HIDDEN,HIDDENTXT,std");  // a later row of any layer code
    EXPECT_EQ(lookUp(t, 57, 2, 1), "KERB,KERBTXT,simplex");
    EXPECT_EQ(t.currentRow(), 3u);
    // A miss leaves the names, but no row answers for them.
    EXPECT_EQ(lookUp(t, 99, 9, 1), "KERB,KERBTXT,simplex");
    EXPECT_FALSE(t.currentRow());
    t.markUsedByLines();
    for (const ZaPlotLayerRow& row : t.rows()) EXPECT_FALSE(row.usedByLines);
}

TEST_F(PlotLayerTable, OnlyRowsWithASemicolonInColumn39UpToTheEndMarkOr300AreRead) {
    std::string colon = layRow({3, 0, 0, "C", "CT", "s"});
    colon[39] = ':';
    const std::string text = "LAYxx\n" + layRow({1, 0, 0, "A", "AT", "s"}) + "\n" +
                             layRow({2, 0, 0, "B", "BT", "s"}).substr(0, 39) + "\n" + colon + "\n" +
                             layRow({4, 0, 0, "D", "DT", "s"}).substr(0, 40) + "\n/////\n" +
                             layRow({5, 0, 0, "E", "ET", "s"}) + "\n";
    ZaPlotLayerTable t;
    ASSERT_TRUE(t.load(write("plot.lay", text)));
    ASSERT_EQ(t.rows().size(), 2u);
    EXPECT_EQ(t.rows()[1].layerCode, 4);
    EXPECT_EQ(t.rows()[1].textStyle, "");

    std::vector<LayRow> rows(301, {0, 0, 0, "L", "T", "s"});
    for (int i = 0; i < 301; ++i) rows[i].code = i + 1;
    ASSERT_TRUE(t.load(write("full.lay", plotLay(rows))));
    ASSERT_EQ(t.rows().size(), 300u);
    EXPECT_EQ(t.rows().back().layerCode, 300);
    EXPECT_FALSE(t.findOrAddByName("NEW", ZaLayerKind::Line));  // full: refused, and said
    EXPECT_EQ(t.rows().size(), 300u);
    EXPECT_TRUE(printed("layer 'NEW' not added"));
}

TEST_F(PlotLayerTable, WithoutTheHeaderOrTheFileNothingIsFoundAddedOrWritten) {
    ZaPlotLayerTable bad;
    EXPECT_FALSE(bad.load(write("bad.lay", "LA\r\n" + layRow({1, 0, 0, "A", "B", "C"}) + "\r\n")));
    EXPECT_EQ(lookUp(bad, 1, 0, 0), "0,0,std");
    EXPECT_FALSE(bad.findOrAddByName("X", ZaLayerKind::Line));
    EXPECT_TRUE(bad.save());
    EXPECT_EQ(read(dir_ + "bad.lay").substr(0, 4), "LA\r\n");
    EXPECT_FALSE(bad.load(dir_ + "none.lay"));
    EXPECT_TRUE(printed("\nCannot open layer file \"" + dir_ + "none.lay\" \n"));
}

// A table of one row adding a name is PFOUT's test.
TEST_F(PlotLayerTable, ANameIsFoundByItsKindOrAddedAfterTheLargestCodeAndSaved) {
    const std::string path = write("plot.lay", plotLay(kRoads));
    ZaPlotLayerTable t;
    ASSERT_TRUE(t.load(path));
    EXPECT_TRUE(t.findOrAddByName("KERBTXT", ZaLayerKind::Text));
    EXPECT_EQ(t.layerCode() * 100 + t.pen(), 5702);
    EXPECT_FALSE(t.findOrAddByName("KERBTXT", ZaLayerKind::Text));  // already current
    EXPECT_TRUE(t.findOrAddByName("ROADTXT", ZaLayerKind::Line, "romans"));  // not a line layer: added
    EXPECT_TRUE(t.findOrAddByName("FOURTEEN_CHARS", ZaLayerKind::Line));
    ASSERT_EQ(t.rows().size(), 6u);
    EXPECT_EQ(t.rows()[4].layerCode, 58);
    EXPECT_EQ(t.rows()[4].textStyle, "romans");
    const ZaPlotLayerRow& added = t.rows().back();
    EXPECT_EQ(added.layerCode, 59);
    EXPECT_EQ(added.pen + added.lineType, 0);
    EXPECT_EQ(added.textLayer + "," + added.textStyle, "FOURTEEN_CHARS,STANDARD");
    EXPECT_EQ(t.layerCode(), 59);
    EXPECT_TRUE(t.save());

    const std::string saved = read(path);
    EXPECT_EQ(saved.substr(0, 54), "LAYER     6 Aug-2014" + std::string(32, ' ') + "\r\n");
    EXPECT_NE(saved.find(layRow(kRoads[3]) + "\r\n"), std::string::npos);
    EXPECT_NE(saved.find("  59   0   0 2FOURTEEN_CHA;FOURTEEN_CHA;STANDARD    \r\n/////\r\n"), std::string::npos);
    ZaPlotLayerTable again;
    ASSERT_TRUE(again.load(path));
    EXPECT_EQ(again.rows().size(), 6u);
}

TEST_F(PlotLayerTable, AFailedWriteIsReported) {
    std::filesystem::create_directory(dir_ + "gone");
    ZaPlotLayerTable t;
    ASSERT_TRUE(t.load(write("gone/plot.lay", plotLay(kRoads))));
    t.addRow("NEW");
    std::filesystem::remove_all(dir_ + "gone");
    EXPECT_FALSE(t.save());
    EXPECT_TRUE(printed("\nError occureed writing to file, '" + dir_ + "gone/plot.lay'"));
}

}  // namespace
