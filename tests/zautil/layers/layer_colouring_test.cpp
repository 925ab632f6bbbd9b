#include <string>
#include <vector>

#include "import/colour_sequence.h"
#include "layers/layer_colouring.h"
#include "zarvo_fixture.h"

namespace {

using LayerColouring = ZarvoTest;

ZaPlotLayerRow used(const std::string& line, const std::string& text, bool byLines, bool byText) {
    ZaPlotLayerRow r;
    r.lineLayer = line;
    r.textLayer = text;
    r.usedByLines = byLines;
    r.usedByText = byText;
    EXPECT_EQ(makeLine(0, 0, 1, 1, line.c_str()), RTNORM);
    EXPECT_EQ(makeLine(0, 0, 1, 1, text.c_str()), RTNORM);
    return r;
}

TEST_F(LayerColouring, UsedLayersTakeTheSequenceInRowOrder) {
    zaColourUsedLayers(std::vector<ZaPlotLayerRow>{
        used("UNUSED", "UNUSED", false, false),
        used("ROAD", "ROADTXT", true, true),  // 1 and 151
        used("KERB", "KERB", true, false),    // 7
        used("SAME", "SAME", true, true),     // 9; its text uses up 242
        used("TEXTS", "TEXTS", false, true),  // 94: no line work coloured it
    });
    EXPECT_TRUE(printed("\nNumber of layers 5\n"));
    for (const auto& [layer, colour] : std::vector<std::pair<const char*, int>>{
             {"UNUSED", 7}, {"ROAD", 1}, {"ROADTXT", 151}, {"KERB", 7}, {"SAME", 9}, {"TEXTS", 94}}) {
        EXPECT_EQ(layerColour(layer), colour) << layer;
    }
}

TEST_F(LayerColouring, PastColour250TheSequenceStartsAgainAtItsSecond) {
    std::vector<ZaPlotLayerRow> rows;
    for (int i = 0; i < 253; ++i) rows.push_back(used("L" + std::to_string(i), "L" + std::to_string(i), true, false));
    zaColourUsedLayers(rows);
    EXPECT_EQ(layerColour("L250"), zaLayerColourSequence[250]);
    EXPECT_EQ(layerColour("L251"), 151);
    EXPECT_EQ(layerColour("L252"), 7);
}

TEST_F(LayerColouring, NothingUsedIssuesNoCommand) {
    zaColourUsedLayers(std::vector<ZaPlotLayerRow>{used("A", "A", false, false)});
    EXPECT_EQ(output_, "\nNumber of layers 1\n");
}

}  // namespace
