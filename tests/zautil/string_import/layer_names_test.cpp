// Layer names from codes and map files.
#include <string>

#include "string_import_fixture.h"
#include "files/byte_source.h"
#include "string_import/import_layers.h"
#include "string_import/layer_map.h"
#include "string_import/layer_name_rules.h"

using namespace zastrings;
using namespace zastringimport;

namespace {

std::string codeName(std::string_view text, bool endAtSpace, bool numerics, int size = 14) {
    std::string name;
    cleanCodeName(text, {endAtSpace, numerics, size}, name);
    return name;
}

// Reads map text as a file would give it.
bool readMap(const std::string& text, LayerMap& map, int maximumSize = 255) {
    zafiles::LineReader lines(zafiles::memorySource({text.data(), text.size()}));
    return readLayerMap(lines, {false, true, maximumSize}, map).outcome == LayerMapRead::Outcome::Read;
}

}  // namespace

TEST(LayerNameRules, SpacesDigitsAndPunctuation) {
    EXPECT_EQ(codeName("RD 12", true, true), "RD");
    EXPECT_EQ(codeName("RD 12", false, true), "RD_12");
    EXPECT_EQ(codeName("RD 12", false, false), "RD_");
    EXPECT_EQ(codeName("ab.c", false, true), "AB");
    EXPECT_EQ(codeName("+-$_", false, true), "+-$_");
    EXPECT_EQ(codeName("    ", true, true), "0");
    EXPECT_EQ(codeName("....", false, true), "0");
    // Trailing spaces go before the spaces become underscores.
    EXPECT_EQ(codeName("KB  S 1             ", false, true), "KB__S_1");
}

TEST(LayerNameRules, TheMaximumSizeCutsTheCodeFirst) {
    EXPECT_EQ(codeName("ABCDEFGHIJ", false, true, 4), "ABCD");
    EXPECT_EQ(codeName("AB   CD", false, true, 4), "AB");
    EXPECT_EQ(codeName("ABCD", false, true, 0), "0");
    EXPECT_EQ(codeName("ABCD", false, true, -3), "0");
    std::string value;
    cleanMapValue(std::string(200, 'x'), {}, value);
    EXPECT_EQ(value, std::string(127, 'X'));
}

class LayerMapTest : public StringImportTest {};

TEST_F(LayerMapTest, TheLaterMatchingLineWins) {
    LayerMap map;
    ASSERT_TRUE(readMap("\"r*\" = ROADS\n\"rd*\" = DRIVE\n", map));
    ASSERT_NE(map.find("rd1"), nullptr);
    EXPECT_EQ(*map.find("rd1"), "DRIVE");
    EXPECT_EQ(*map.find("rx"), "ROADS");
    EXPECT_EQ(map.find("kb"), nullptr);

    LayerMap swapped;
    ASSERT_TRUE(readMap("\"rd*\" = DRIVE\r\n\"r*\" = ROADS\r\n", swapped));
    EXPECT_EQ(*swapped.find("rd1"), "ROADS");
}

TEST_F(LayerMapTest, KeysAreCutAndLowerCasedValuesCleanedAndOtherLinesPassedOver) {
    LayerMap map;
    const std::string path = write("keys.map", "# comment\n/ also\n$ too\n\nno key = X\n\"\" = EMPTY\n  \"KB*\"=kerb line\n"
                                               "\"ABCDEFGHIJKLMNOPQRSTUVWXYZ\" = long\n");
    ASSERT_TRUE(LoadLayerMapFile(2, path, "", {false, true, 255}, map));
    ASSERT_EQ(map.size(), 2u);
    EXPECT_EQ(*map.find("kb"), "KERB_LINE");
    EXPECT_EQ(*map.find("abcdefghijklmnopqrs"), "LONG");
    // Each line is echoed, a passed-over one too, and nothing else is said.
    EXPECT_EQ(output_, "Zarvo Layer look up map:\n1 0  # comment\n1 1  / also\n1 2  $ too\n1 3  \n"
                       "1 4  no key = X\n1 5  \"\" = EMPTY\n1 6    \"KB*\"=kerb line\n"
                       "1 7  \"ABCDEFGHIJKLMNOPQRSTUVWXYZ\" = long\n");
}

TEST_F(LayerMapTest, AValueBeyondTheMaximumSizeStopsTheReading) {
    LayerMap map;
    const std::string path = write("bad.map", "\"rd\" = ROAD\n\"kerbline\"   = KERB\n\"fp\" = FOOT\n");
    EXPECT_FALSE(LoadLayerMapFile(3, path, "", {false, true, 14}, map));
    // The bad line is not echoed; the error names it.
    EXPECT_EQ(output_, "Zarvo Layer look up map:\n1 0  \"rd\" = ROAD\nERROR: file: \"" + path +
                           "\": line 1: Bad layer map file line\n");
    // What was read before the bad line stays in force.
    EXPECT_EQ(map.size(), 1u);
    EXPECT_EQ(*map.find("rd"), "ROAD");
    // A value after the '=' at the very end of the window is missing too.
    LayerMap edge;
    EXPECT_FALSE(readMap("\"rd\"         =ROAD\n", edge, 14));
}

TEST_F(LayerMapTest, AMissingFileIsAdvisedAndNoMap) {
    LayerMap map;
    EXPECT_FALSE(LoadLayerMapFile(0, dir_ + "none.map", "", {}, map));
    EXPECT_EQ(output_, "");
    EXPECT_FALSE(LoadLayerMapFile(2, dir_ + "none.map", "", {}, map));
    EXPECT_NE(output_.find("Cannot open layer control file\nZarvo_AutoCAD layer lookup fails"), std::string::npos);
    // Cancelling the dialog of preference 1 is no map, but no failure.
    driver().answerNextFile(std::nullopt);
    EXPECT_TRUE(LoadLayerMapFile(1, "", dir_, {}, map));
    EXPECT_FALSE(map.inForce());
}

TEST_F(LayerMapTest, DerivedLayersGoThroughTheMapAndAreCreatedOnce) {
    LayerMap map;
    ASSERT_TRUE(readMap("\"r*\" = ROADS\n\"rd*\" = DRIVE\n\"k#\" = kerb\n", map));
    const LayerNameRules rules{false, true, 14};
    ImportLayers layers(rules, map);
    EXPECT_EQ(layers.layerOf("RD1"), "DRIVE");
    EXPECT_EQ(layers.layerOf("RX"), "ROADS");
    EXPECT_EQ(layers.layerOf("K1 "), "KERB");
    // No key matches: layer 0, not the code's own name.
    EXPECT_EQ(layers.layerOf("TREE"), "0");
    EXPECT_EQ(layers.layerOf("RD1"), "DRIVE");
    EXPECT_EQ(layers.created(), (std::vector<std::string>{"0", "DRIVE", "ROADS", "KERB"}));
    EXPECT_EQ(layerNames(), (std::vector<std::string>{"0", "DRIVE", "ROADS", "KERB"}));
}

TEST_F(LayerMapTest, ExistingLayersAndNulAreNotListedAsCreated) {
    ASSERT_EQ(makeLine(0, 0, 1, 1, "KB"), RTNORM);
    LayerMap none;
    ImportLayers layers({false, true, 14}, none);
    EXPECT_EQ(layers.layerOf("KB"), "KB");
    EXPECT_EQ(layers.layerOf("nul"), "NUL");
    EXPECT_EQ(layers.layerOf("FP"), "FP");
    EXPECT_EQ(layers.created(), (std::vector<std::string>{"0", "FP"}));
}
