#include "arx/acedads.h"
#include "host_fixture.h"

namespace zcad::testing {
namespace {

class LayerCommandTest : public HostTest {
protected:
    void addLayer(std::string_view name, int colour) {
        TableRecord record;
        record.groups = {OwnedGroup::string(2, name), OwnedGroup::integral(70, 0), OwnedGroup::integral(62, colour),
                         OwnedGroup::string(6, "CONTINUOUS")};
        db().layers().add(std::move(record));
    }
    std::int64_t colourOf(std::string_view name) {
        const TableRecord* layer = db().layers().find(name);
        EXPECT_NE(layer, nullptr) << name;
        return layer && layer->find(62) ? layer->find(62)->integer : 0;
    }
};

// The module colours its layers one "C" colour name triple at a time, in
// separate calls, and ends the command with an empty call.
TEST_F(LayerCommandTest, ColoursGivenOverSeveralCallsLandInTheLayerTable) {
    addLayer("try005", 7);
    addLayer("try010", 7);
    addLayer("Mesh", 7);

    EXPECT_EQ(acedCommandS(RTSTR, "-layer", RTNONE), RTNORM);
    EXPECT_TRUE(commands::commandProcessor().busy());
    EXPECT_EQ(acedCommandS(RTSTR, "C", RTSTR, "151", RTSTR, "try005", RTNONE), RTNORM);
    EXPECT_EQ(acedCommandS(RTSTR, "colour", RTSTR, "red", RTSTR, "TRY010", RTNONE), RTNORM);
    EXPECT_EQ(acedCommandS(RTSTR, "color", RTSHORT, 242, RTSTR, "mesh", RTNONE), RTNORM);
    EXPECT_TRUE(commands::commandProcessor().busy());
    EXPECT_EQ(acedCommandS(RTNONE), RTNORM);
    EXPECT_FALSE(commands::commandProcessor().busy());

    EXPECT_EQ(colourOf("try005"), 151);
    EXPECT_EQ(colourOf("try010"), 1);
    EXPECT_EQ(colourOf("Mesh"), 242);
    EXPECT_EQ(colourOf("0"), 7);
    EXPECT_EQ(takePrinted(), "");
}

TEST_F(LayerCommandTest, OneCallWithNameListsWildcardsAndAClosingEmptyWord) {
    addLayer("ang010", 7);
    addLayer("ang020", 7);
    addLayer("road", 7);
    EXPECT_EQ(acedCommandS(RTSTR, "_-LAYER", RTSTR, "c", RTSTR, "3", RTSTR, "ang*", RTSTR, "c", RTSTR, "blue", RTSTR,
                           "road,0", RTSTR, "", RTNONE),
              RTNORM);
    EXPECT_FALSE(commands::commandProcessor().busy());
    EXPECT_EQ(colourOf("ang010"), 3);
    EXPECT_EQ(colourOf("ang020"), 3);
    EXPECT_EQ(colourOf("road"), 5);
    EXPECT_EQ(colourOf("0"), 5);
}

TEST_F(LayerCommandTest, AnOffLayerKeepsItsColourNegative) {
    addLayer("hidden", -7);
    EXPECT_EQ(acedCommandS(RTSTR, "-layer", RTSTR, "c", RTSTR, "44", RTSTR, "hidden", RTSTR, "", RTNONE), RTNORM);
    EXPECT_EQ(colourOf("hidden"), -44);

    EXPECT_EQ(acedCommandS(RTSTR, "-layer", RTSTR, "on", RTSTR, "hidden", RTSTR, "", RTNONE), RTNORM);
    EXPECT_EQ(colourOf("hidden"), 44);
    EXPECT_EQ(acedCommandS(RTSTR, "-layer", RTSTR, "OFF", RTSTR, "hidden", RTSTR, "", RTNONE), RTNORM);
    EXPECT_EQ(colourOf("hidden"), -44);
}

// A layer name with wildcard characters in it is still found by its name.
TEST_F(LayerCommandTest, MissingLayersAreReportedAndSkipped) {
    addLayer("A#1", 7);
    EXPECT_EQ(acedCommandS(RTSTR, "-layer", RTSTR, "c", RTSTR, "9", RTSTR, "nosuch,A#1,none*", RTSTR, "", RTNONE),
              RTNORM);
    EXPECT_EQ(colourOf("A#1"), 9);
    EXPECT_EQ(takePrinted(), "Cannot find layer \"nosuch\".\nCannot find layer \"none*\".\n");
}

TEST_F(LayerCommandTest, ABadColourRejectsTheWordAndEndsTheCommand) {
    addLayer("road", 7);
    EXPECT_EQ(acedCommandS(RTSTR, "-layer", RTSTR, "c", RTSTR, "256", RTSTR, "road", RTNONE), RTREJ);
    EXPECT_FALSE(commands::commandProcessor().busy());
    EXPECT_EQ(colourOf("road"), 7);
    EXPECT_EQ(takePrinted(), "Invalid color name or number.\n");

    EXPECT_EQ(acedCommandS(RTSTR, "-layer", RTSTR, "purple", RTNONE), RTREJ);
    EXPECT_EQ(takePrinted(), "Invalid option keyword.\n");
}

TEST_F(LayerCommandTest, MakeCreatesALayerAndMakesItCurrentNewOnlyCreates) {
    EXPECT_EQ(acedCommandS(RTSTR, "-layer", RTSTR, "n", RTSTR, "kerb, drain", RTSTR, "m", RTSTR, "Levels", RTSTR, "",
                           RTNONE),
              RTNORM);
    ASSERT_NE(db().layers().find("KERB"), nullptr);
    ASSERT_NE(db().layers().find("drain"), nullptr);
    ASSERT_NE(db().layers().find("levels"), nullptr);
    EXPECT_EQ(colourOf("levels"), 7);
    EXPECT_EQ(db().headerVar("$CLAYER")->groups.front().text, "Levels");

    EXPECT_EQ(acedCommandS(RTSTR, "-layer", RTSTR, "s", RTSTR, "KERB", RTSTR, "", RTNONE), RTNORM);
    EXPECT_EQ(db().headerVar("$CLAYER")->groups.front().text, "kerb");
    EXPECT_EQ(acedCommandS(RTSTR, "-layer", RTSTR, "m", RTSTR, "bad<name", RTNONE), RTREJ);
    EXPECT_EQ(db().layers().find("bad<name"), nullptr);
}

TEST_F(LayerCommandTest, AnEmptyNameListColoursTheCurrentLayer) {
    EXPECT_EQ(acedCommandS(RTSTR, "-layer", RTSTR, "c", RTSTR, "2", RTSTR, "", RTSTR, "", RTNONE), RTNORM);
    EXPECT_EQ(colourOf("0"), 2);
}

}  // namespace
}  // namespace zcad::testing
