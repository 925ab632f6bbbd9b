// PADLEV as the user meets it: the offset, the selection and its refusals,
// levels from texts, lot numbers and layers, arcs by the breakup rule, the
// transfer file, and every entity make failing in turn.
#include <gmock/gmock.h>
#include <tinyxml2.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "padlev_fixture.h"
#include "settings/settings_table.h"
#include "zcad/host_test.h"

using testing::HasSubstr;
using testing::Not;

namespace {

// The lots of the transfer file; -1 when a strict reader refuses it.
int lotsInTransferFile(const std::string& path) {
    if (strictXmlCheck(path) != "OK\n") return -1;
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    tinyxml2::XMLDocument doc;
    const auto* parcels = landParcels(doc, text);
    if (!parcels) return -1;
    int lots = 0;
    for (const auto* l = parcels->FirstChildElement("adac:Lot"); l; l = l->NextSiblingElement("adac:Lot")) ++lots;
    return lots;
}

// A closed LWPOLYLINE on layer "lots" through x, y with the bulge each starts.
void closedLwPolyline(const std::vector<std::array<double, 3>>& vertices) {
    resbuf* list = acutBuildList(RTDXF0, "LWPOLYLINE", 8, "lots", 90, static_cast<int>(vertices.size()), 70, 1, 0);
    resbuf** end = &list->rbnext;
    for (const auto& v : vertices) {
        while (*end) end = &(*end)->rbnext;
        const ads_point at = {v[0], v[1], 0};
        *end = acutBuildList(10, at, 42, v[2], 0);
    }
    makeEntity(list);
}

}  // namespace

TEST_F(PadlevTest, APadTheOffsetAskedForInsideEverySideAtTheTextsLevel) {
    zaSettings().padCadOrLevel = true;
    zaSettings().useDialogs = false;
    rectangle(0, 0, 20, 30);
    text(10, 15, "42.5");
    padlev({"0.5", "ALL", ""});
    EXPECT_THAT(output_, HasSubstr("\n\nZARVO Software PADLEV Creation V3.0.0  (Apr  2014) transfer 0\n"
                                   "\nPrompt for offset\nPadlev offset (retaining wall width) of pad from boundary : "));
    EXPECT_THAT(output_, HasSubstr("\nOffset value is 0.500\n"));
    EXPECT_THAT(output_, HasSubstr("\nNumber of entities selected 5 now processing..."
                                   "\nBounding polylines converted to 4 individual lines\n"));
    EXPECT_THAT(output_, HasSubstr("\nPolygons formed 1 \nIncomplete polygons (with text outside) 0\nComplete padlev\n\n"));
    const auto lots = boundaries();
    ASSERT_EQ(lots.size(), 1u);
    EXPECT_EQ(lots[0].layer, "lot01_line");
    EXPECT_EQ(lots[0].colour, 22);
    EXPECT_EQ(lots[0].flags, 8);
    ASSERT_EQ(lots[0].vertices.size(), 5u);
    EXPECT_EQ(lots[0].vertices.front(), lots[0].vertices.back());
    for (const auto& v : lots[0].vertices) {
        EXPECT_TRUE(std::fabs(v[0] - 0.5) < 1e-9 || std::fabs(v[0] - 19.5) < 1e-9) << v[0];
        EXPECT_TRUE(std::fabs(v[1] - 0.5) < 1e-9 || std::fabs(v[1] - 29.5) < 1e-9) << v[1];
        EXPECT_EQ(v[2], 42.5);
    }
    EXPECT_EQ(labels(), (std::vector<std::string>{"lot01_text: Lot 1 Area 600.0"}));
    const std::vector<Stored> all = storedEntities();
    EXPECT_NEAR(all.back().point(11)[1], 12, 1e-9) << "1.5 text heights below the text";
}

TEST_F(PadlevTest, AnOffsetThatLeavesNoPadIsSaidPerLotAndCountedAndANegativeOneIsRefused) {
    zaSettings().padCadOrLevel = true;
    zaSettings().useDialogs = false;
    rectangle(0, 0, 10, 10);
    text(5, 5, "3");
    for (const char* offset : {"6", "1e9"}) {
        SCOPED_TRACE(offset);
        zcad::test::resetHost();
        output_.clear();
        rectangle(0, 0, 10, 10);
        text(5, 5, "3");
        padlev({offset, "ALL", ""});
        EXPECT_THAT(output_, HasSubstr("\nLot 1: offset "));
        EXPECT_THAT(output_, HasSubstr(" leaves no pad\n"));
        EXPECT_THAT(output_, HasSubstr("Lots with no pad (offset too wide) 1\n"));
        EXPECT_TRUE(boundaries().empty());
        // The lot is still there, and labelled.
        EXPECT_EQ(labels(), (std::vector<std::string>{"lot01_text: Lot 1 Area 100.00"}));
    }

    zcad::test::resetHost();
    output_.clear();
    rectangle(0, 0, 10, 10);
    text(5, 5, "3");
    padlev({"-2", "1", "ALL", ""});
    EXPECT_THAT(output_, HasSubstr("\nOffset value is 1.000\n"));
    const auto lots = boundaries();
    ASSERT_EQ(lots.size(), 1u);
    for (const auto& v : lots[0].vertices) EXPECT_TRUE(v[0] >= 1 - 1e-9 && v[0] <= 9 + 1e-9) << v[0];

    // The settings hold no negative width either.
    const ZaSettingValue* offset = zaFindSettingValue("CadPad offset");
    ASSERT_NE(offset, nullptr);
    EXPECT_FALSE(zaSettingAccepts(*offset, -0.5));
    EXPECT_TRUE(zaSettingAccepts(*offset, 0.0));
}

TEST_F(PadlevTest, ADesignOffsetFromTheSettingsAndACadastralOneOfZero) {
    zaSettings().padCadOrLevel = true;
    zaSettings().padOffset = 1.25;
    rectangle(0, 0, 20, 30);
    text(10, 15, "1");
    padlevOnAll();
    EXPECT_THAT(output_, HasSubstr("\nUsing offset from cconfiguration\nOffset value is 1.250\n"));
    EXPECT_NEAR(boundaries().at(0).vertices.at(0)[0], 18.75, 1e-9);

    zcad::test::resetHost();
    output_.clear();
    zaSettings().padCadOrLevel = false;
    rectangle(0, 0, 20, 30);
    text(10, 15, "1");
    padlevOnAll();
    EXPECT_THAT(output_, HasSubstr("\nCadastra offset zero\nOffset value is 0.000\n"));
    EXPECT_EQ(boundaries().at(0).vertices.at(0)[0], 20);
}

TEST_F(PadlevTest, TextsAsLevelsLotsSharingASideAndATextOutside) {
    zaSettings().padTransfer = true;
    rectangle(0, 0, 20, 30);
    rectangle(20, 0, 45, 30);
    text(10, 15, "abc");   // no number: not a lot
    text(12, 15, "0.00");  // a lot at level 0
    text(30, 15, "51.25");
    text(80, 15, "7");     // outside the linework
    padlevOnAll();
    EXPECT_THAT(output_, HasSubstr("\nLevels found as text 3 centroids... Maybe polygons... \n"));
    EXPECT_THAT(output_, HasSubstr("\nOpening file \"" + dir_ + "cadastra.txt\"  File opened \"" + dir_ + "cadastra.txt\"\n"));
    EXPECT_THAT(output_, HasSubstr("\nPolygons formed 2 \nIncomplete polygons (with text outside) 1\n"));
    const auto lots = boundaries();
    ASSERT_EQ(lots.size(), 2u);
    EXPECT_EQ(lots[0].vertices[0][2], 0.0);
    EXPECT_EQ(lots[1].vertices[0][2], 51.25);
    EXPECT_EQ(labels(), (std::vector<std::string>{"lot01_text: Lot 1 Area 600.0", "lot02_text: Lot 2 Area 750.0"}));
    EXPECT_EQ(lotsInTransferFile(dir_ + "cadastra.txt"), 2);

    // Without use text every text is a lot, at the boundary level.
    zcad::test::resetHost();
    zaSettings().padUseText = false;
    zaSettings().padUseBoundaryLevel = true;
    zaSettings().padBoundaryLevel = 3.5;
    zaSettings().padTransfer = false;
    rectangle(0, 0, 20, 30);
    text(10, 15, "abc");
    padlevOnAll();
    ASSERT_EQ(boundaries().size(), 1u);
    EXPECT_EQ(boundaries()[0].vertices[0][2], 3.5);
}

TEST_F(PadlevTest, LotsNumberedFrom98OnALayerEach) {
    zaSettings().padStartLot = 98;
    zaSettings().padLayerName = "prefix";
    for (int i = 0; i < 3; ++i) {
        rectangle(i * 30, 0, i * 30 + 20, 20);
        text(i * 30 + 10, 10, "5");
    }
    padlevOnAll();
    std::vector<std::string> layers;
    for (const auto& b : boundaries()) layers.push_back(b.layer + " " + std::to_string(b.colour));
    EXPECT_EQ(layers, (std::vector<std::string>{"prefix98_line 32", "prefix99_line 42", "prefix100_line 52"}));
    EXPECT_EQ(labels(), (std::vector<std::string>{"prefix98_text: Lot 98 Area 400.0", "prefix99_text: Lot 99 Area 400.0",
                                                  "prefix100_text: Lot 100 Area 400.0"}));

    zcad::test::resetHost();
    zaSettings().padNewLayer = false;
    rectangle(0, 0, 20, 20);
    text(10, 10, "5");
    padlevOnAll();
    EXPECT_EQ(boundaries().at(0).layer, "prefix_line");
}

TEST_F(PadlevTest, BulgedCornersAreBrokenByTheBreakupRule) {
    // A 40 by 20 lot with corners rounded to radius 5, as one closed
    // LWPOLYLINE; quarter arcs of bulge tan(22.5 degrees).
    const double b = std::tan(std::numbers::pi / 8);
    closedLwPolyline({{5, 0, 0}, {35, 0, b}, {40, 5, 0}, {40, 15, b}, {35, 20, 0}, {5, 20, b}, {0, 15, 0}, {0, 5, b}});
    text(20, 10, "10");
    zaSettings().xyzBreakup = 3;  // quarterly
    zaSettings().xyzValue = 4;
    padlevOnAll();
    const auto lots = boundaries();
    ASSERT_EQ(lots.size(), 1u);
    EXPECT_EQ(lots[0].vertices.size(), 4u * 4 + 4 + 1) << "four chords on each corner";
    const double chords = 4 * 4 * 0.5 * 25 * std::sin(std::numbers::pi / 8);
    EXPECT_THAT(labels().at(0), HasSubstr("Area " + std::to_string(static_cast<int>(800 - 100 + chords))));

    // With the rule None the corners are cut straight.
    zcad::test::resetHost();
    closedLwPolyline({{0, 0, 1.0}, {20, 0, 0}, {20, 20, 0}});
    text(12, 8, "10");
    zaSettings().xyzBreakup = 0;
    padlevOnAll();
    EXPECT_EQ(boundaries().at(0).vertices.size(), 4u);
}

TEST_F(PadlevTest, SelectionAnswersAndRefusedEntities) {
    padlev({"*Cancel*"});
    EXPECT_THAT(output_, Not(HasSubstr("Selection error")));
    padlev({"LAYER nothing", ""});
    EXPECT_THAT(output_, HasSubstr("ZARVO Software message <Selection error ... no selection\nZarvo_AutoCAD user error\n>"));

    makeEntity(acutBuildList(RTDXF0, "POLYLINE", 8, "0", 66, 1, 70, 64, 0));
    makeEntity(acutBuildList(RTDXF0, "SEQEND", 8, "0", 0));
    output_.clear();
    padlevOnAll();
    EXPECT_THAT(output_, HasSubstr("<Selection error ... Entity is a polyface mesh\nunsupported element found\n>"));
    EXPECT_THAT(output_, Not(HasSubstr("Polygons formed")));

    zcad::test::resetHost();
    output_.clear();
    rectangle(0, 0, 10, 10);
    const ads_point p = {0, 0, 0};
    makeEntity(acutBuildList(RTDXF0, "SPLINE", 8, "0", 10, p, 0));
    padlevOnAll();
    EXPECT_THAT(output_, HasSubstr("<Selection error ... Spline vertices are not supported\nunsupported element found\n>"));
    EXPECT_TRUE(boundaries().empty());
}

TEST_F(PadlevTest, TheCoordinateDialogUnlessItsDefaultsAreOn) {
    zaSettings().coordinateUseDefaults = false;
    rectangle(0, 0, 10, 10);
    text(5, 5, "1");
    padlevOnAll();
    EXPECT_EQ(driver().dialogsOpened(), (std::vector<std::string>{"Export Coordinate System Selection"}));
    EXPECT_EQ(boundaries().size(), 1u);
}

TEST_F(PadlevTest, ATransferFileThatCannotBeCreatedEndsTheCommandBeforeDrawing) {
    zaSettings().padTransfer = true;
    zaSettings().padCadFileName = dir_ + "missing/dir/cadastra.txt";
    rectangle(0, 0, 10, 10);
    text(5, 5, "1");
    padlevOnAll();
    EXPECT_THAT(output_, HasSubstr("\nFile fails to open \"" + dir_ + "missing/dir/cadastra.txt\"  good bye\n"));
    EXPECT_TRUE(boundaries().empty());
}

// Two lots of four corners: each makes a POLYLINE, five VERTEXes, a SEQEND
// and its label, eight calls. Each call fails in turn.
TEST_F(PadlevTest, EachEntityMakeFailingStopsWithItsMessageAndAWellFormedFile) {
    struct Failing {
        int call;
        const char* message;
        std::size_t lotsDrawn;
        int lotsListed;
    };
    const Failing cases[] = {
        {1, "Cannot make POLYLINE\nBase type error in AutoCAD\n", 0, 0},
        {2, "Zarvo creation error in AutoCAD \nCannot make VERTEX\n", 0, 0},
        {6, "Zarvo creation error in AutoCAD \nCannot make VERTEX\n", 0, 0},
        {7, "Cannot make SEQEND\nZarvo_AutoCAD creation sequence fails\n", 0, 0},
        {8, "Cannot make TEXT\nZarvo_AutoCAD creation problem\n", 1, 1},
        {9, "Cannot make POLYLINE\nBase type error in AutoCAD\n", 1, 1},
        {12, "Zarvo creation error in AutoCAD \nCannot make VERTEX\n", 1, 1},
        {15, "Cannot make SEQEND\nZarvo_AutoCAD creation sequence fails\n", 1, 1},
        {16, "Cannot make TEXT\nZarvo_AutoCAD creation problem\n", 2, 2},
    };
    zaSettings().padTransfer = true;
    for (const Failing& f : cases) {
        SCOPED_TRACE(f.call);
        zcad::test::resetHost();
        output_.clear();
        rectangle(0, 0, 20, 30);
        rectangle(20, 0, 45, 30);
        text(10, 15, "1");
        text(30, 15, "2");
        zcad::test::failEntityMakeAt(f.call);
        padlevOnAll();
        zcad::test::failEntityMakeAt(0);
        EXPECT_THAT(output_, HasSubstr("ZARVO Software message <" + std::string(f.message) + ">"));
        EXPECT_THAT(output_, Not(HasSubstr("Complete padlev")));
        EXPECT_FALSE(zcad::test::sequenceOpen());
        EXPECT_EQ(boundaries().size(), f.lotsDrawn);
        EXPECT_EQ(lotsInTransferFile(dir_ + "cadastra.txt"), f.lotsListed);
    }
}
