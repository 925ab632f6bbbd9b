#include <string>
#include <vector>

#include "layers/plot_pen_table.h"
#include "zarvo_fixture.h"
#include "zcad/database.h"

namespace {

const std::string kHeader = "PLOT.PEN     1 APR-1997\r\n";

class PlotPenTable : public ZarvoTest {
protected:
    std::string penFile(const std::string& rows) { return write("plot.pen", kHeader + rows + "/////\r\n"); }
    // A drawing layer with its colour and linetype.
    static void layer(const char* name, int colour, const char* linetype = nullptr) {
        ASSERT_EQ(makeLine(0, 0, 1, 1, name), RTNORM);
        zcad::TableRecord* record = zcad::currentDatabase().layers().find(name);
        record->set(zcad::OwnedGroup::integral(62, colour));
        if (linetype) record->set(zcad::OwnedGroup::string(6, linetype));
    }
};

TEST_F(PlotPenTable, RowsReadBackAsTheyWereWrittenWithTheirOddities) {
    const std::string path = penFile("road ,1 ,9 ,2 ,0.35 ,0xFF\r\nKERB,12,-4,3,1e-3,abcdef\n/ a note\r\n");
    ZaPlotPenTable t;
    t.load(path, 60);
    EXPECT_TRUE(printed("File \"" + path + "\" opened as pen file\n"));
    ASSERT_EQ(t.rows().size(), 2u);
    EXPECT_EQ(t.rows()[0].layerName, "ROAD ");  // everything before the comma, upper case
    t.confirmAndSave();
    EXPECT_EQ(read(path), kHeader + "ROAD ,1,9,2,0.350000,0000ff\r\nKERB,12,-4,3,0.001000,abcdef\r\n/////\r\n");
}

TEST_F(PlotPenTable, AMissingOrEmptyFileStartsWithOneBlankNewRow) {
    ZaPlotPenTable missing;
    missing.load(dir_ + "plot.pen", 60);
    EXPECT_TRUE(printed("\nFile '" + dir_ + "plot.pen' does not exist, a new file with this name will be created."));
    answer({"Yes"});
    missing.confirmAndSave();
    EXPECT_EQ(read(dir_ + "plot.pen"), kHeader + "0,0,0,0,0.000000,000000\r\n/////\r\n");

    ZaPlotPenTable empty;
    empty.load(penFile(""), 60);
    EXPECT_TRUE(printed("is empty.  A blank record will be inserted."));
    ASSERT_EQ(empty.rows().size(), 1u);
    EXPECT_EQ(empty.rows()[0].state, ZaPenRowState::New);
}

TEST_F(PlotPenTable, ACorruptFileIsReportedAndNeverWrittenOver) {
    ZaPlotPenTable header;
    header.load(write("bad.pen", "PLOT.PEN 2\r\nROAD,1,0,1,0.35,ff\r\n"), 60);
    EXPECT_TRUE(printed("\nCorrupt plot\\pen file '" + dir_ + "bad.pen'"));
    EXPECT_TRUE(header.rows().empty());

    // A row short of its five numbers is reported at the row count plus two.
    const std::string path = penFile("ROAD,1,0,1,0.35,ff\r\n/ note\r\nKERB,1,0,1,0.35\r\nLOT,1,0,1,0.5,0\r\n");
    const std::string before = read(path);
    ZaPlotPenTable t;
    t.load(path, 60);
    EXPECT_TRUE(printed("\nError in field data for '" + path + "' at line 3"));
    EXPECT_TRUE(t.rows().empty());
    t.penForLayer("NEWONE", 0);
    t.confirmAndSave();
    EXPECT_EQ(read(path), before);
    EXPECT_TRUE(printed("could not be read whole and is left as it was"));
}

TEST_F(PlotPenTable, AKnownLayerNoticesAChangedColourOrLinetypeOnce) {
    ZaPlotPenTable t;
    t.load(penFile("ROAD,4,0,1,0.35,000001\r\nKERB,6,0,3,0.5,000002\r\nLOT,7,0,1,0.5,000003\r\n"), 60);
    layer("ROAD", 1);
    layer("KERB", 5, "DASHED");
    layer("Lot", 3, "HIDDEN");
    EXPECT_EQ(t.penForLayer("ROAD", 0).pen, 4);
    EXPECT_EQ(t.rows()[0].state, ZaPenRowState::Kept);
    const ZaPenChoice kerb = t.penForLayer("KERB", 0);
    EXPECT_EQ(kerb.pen * 10 + kerb.lineType, 63);
    EXPECT_EQ(t.rows()[1].state, ZaPenRowState::Modified);
    EXPECT_EQ(t.rows()[1].colour * 10 + t.rows()[1].previousColour, 52u);
    EXPECT_EQ(t.penForLayer("Lot", 0).pen, 7);  // any letter case; HIDDEN is 4
    EXPECT_EQ(t.rows()[2].lineType * 10 + t.rows()[2].previousLineType, 41);
    EXPECT_EQ(t.penForLayer("ROAD", 9).pen, 4);  // the entity's own colour first
    EXPECT_EQ(t.rows()[0].colour, 9u);
    EXPECT_EQ(t.rows().size(), 3u);
}

// Pen one without a catalogue is PFOUT's test.
TEST_F(PlotPenTable, ANewLayerTakesTheNearestPenOfTheCatalogue) {
    ZaPlotPenTable t;
    t.load(penFile("ROAD,4,0,1,0.35,000001\r\n"), 60);
    layer("WATER", 255, "CENTRE");  // 0x0000ff: the blue pen
    write(install_ + "pen.tbl", "1 ,0.25 ,ff0000\n3 ,0.50 ,0000ff\n5 ,0.70 ,000000\n");
    const ZaPenChoice water = t.penForLayer("water", 0);
    EXPECT_EQ(water.pen * 10 + water.lineType, 32);
    const ZaPlotPenRow& row = t.rows().back();
    EXPECT_EQ(row.layerName, "WATER");
    EXPECT_EQ(row.width, 0.5);
    EXPECT_EQ(row.state, ZaPenRowState::New);
    EXPECT_EQ(t.penForLayer("WATER", 1).pen, 3);  // now known
    EXPECT_EQ(t.rows().size(), 2u);
}

TEST_F(PlotPenTable, NewRowsAreAskedAboutWithStickyAllAndNone) {
    ZaPlotPenTable t;
    const std::string path = penFile("ROAD,4,0,1,0.35,000001\r\n");
    t.load(path, 60);
    for (const char* name : {"A", "B", "C", "D", "E"}) t.zaAppendToPlotPenFile(name, 7, 1);
    answer({"Yes", "No", "All"});  // D and E come in with C
    t.confirmAndSave();
    EXPECT_TRUE(printed("Layer 'A' is new, add to pen file, Yes, No, All, None ? "));
    EXPECT_FALSE(printed("Layer 'D' is new"));
    const std::string saved = read(path);
    for (const char* in : {"\nA,", "\nC,", "\nD,", "\nE,"}) EXPECT_NE(saved.find(in), std::string::npos) << in;
    EXPECT_EQ(saved.find("\nB,"), std::string::npos);

    ZaPlotPenTable none;
    none.load(path, 60);
    for (const char* name : {"G", "H"}) none.zaAppendToPlotPenFile(name, 7, 1);
    answer({"None"});
    none.confirmAndSave();
    EXPECT_EQ(read(path), saved);
}

TEST_F(PlotPenTable, ModifiedRowsKeepTheirOldValuesUnlessUpdated) {
    ZaPlotPenTable t;
    const std::string path =
        penFile("R1,1,0,1,0.35,000001\r\nR2,2,0,1,0.35,000002\r\nR3,3,0,1,0.35,000003\r\nR4,4,0,1,0.35,000004\r\n");
    for (const char* name : {"R1", "R2", "R3", "R4"}) layer(name, 200, "DASHDOT");
    t.load(path, 60);
    for (const char* name : {"R1", "R2", "R3", "R4"}) t.penForLayer(name, 0);
    answer({"No", "*Cancel*", "All"});
    t.confirmAndSave();
    EXPECT_TRUE(printed("Layer 'R1' has been modified, update layer file, Yes, No, All, None ? "));
    EXPECT_TRUE(printed("\nCannot cancel"));
    EXPECT_EQ(read(path), kHeader + "R1,1,0,1,0.350000,000001\r\nR2,2,0,1,0.350000,000002\r\n"
                                    "R3,3,0,5,0.350000,0000c8\r\nR4,4,0,5,0.350000,0000c8\r\n/////\r\n");
}

}  // namespace
