// Lists kept and made again with new values, and the builders on them.
#include <string>
#include <vector>

#include "drawn.h"
#include "host_fixture.h"
#include "shell/entity_maker.h"

namespace {

using EntityGate = HostTest;

TEST_F(EntityGate, AKeptListIsRewrittenForEachEntityAndGrowsForALongerName) {
    const ads_point origin = {0, 0, 0};
    ZaEntityList line(acutBuildList(RTDXF0, "line", 8, "0", 10, origin, 11, origin, 0));
    const std::string longName(80, 'L');
    const std::vector<std::string> layers = {"A", longName, "B", "KERB"};
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const double x = static_cast<double>(i);
        const ads_point end = {x, 2 * x, 3};
        // A group the list lacks is left alone.
        ASSERT_TRUE(line.text(8, layers[i]).point(11, end).real(40, 9).text(6, "DASHED").make());
    }
    const auto drawn = drawnEntities();
    ASSERT_EQ(drawn.size(), 4u);
    for (std::size_t i = 0; i < layers.size(); ++i) {
        EXPECT_EQ(drawn[i].text(8), layers[i]);
        EXPECT_EQ(drawn[i].point(11), (ZaPoint{static_cast<double>(i), 2.0 * static_cast<double>(i), 3}));
        EXPECT_EQ(drawn[i].point(10), (ZaPoint{0, 0, 0}));
        EXPECT_EQ(drawn[i].at(6), nullptr);
    }
    // A list that could not be built makes nothing.
    EXPECT_FALSE(ZaEntityList(nullptr).text(8, "A").make());
}

TEST_F(EntityGate, OneMakerDrawsEveryKindAgainAndAgain) {
    ZaEntityMaker maker;
    const std::array<ZaPoint, 4> quad = {{{0, 0, 1}, {4, 0, 2}, {4, 3, 3}, {0, 3, 4}}};
    for (const char* layer : {"F1", "F2"}) {
        ASSERT_TRUE(maker.face(quad, layer));
        ASSERT_TRUE(maker.solid(quad, layer));
        ASSERT_TRUE(maker.point({7, 8, 9}, layer));
        ASSERT_TRUE(maker.circle({1, 1, 0}, 2, layer, 0.5));
        ASSERT_TRUE(maker.arc({1, 1, 0}, 3, 0.5, 1.5, layer));
        ASSERT_TRUE(maker.line({0, 0, 0}, {5, 5, 0}, layer));
        ASSERT_TRUE(maker.polyline(quad, layer, true));
    }
    const std::string kinds = "3DFACE SOLID POINT CIRCLE ARC LINE POLYLINE VERTEX VERTEX VERTEX VERTEX SEQEND ";
    EXPECT_EQ(drawnTypes(), kinds + kinds);
    const auto drawn = drawnEntities();
    EXPECT_EQ(drawn[12].text(8), "F2");
    for (int corner = 0; corner < 4; ++corner) {
        EXPECT_EQ(drawn[0].point(10 + corner), quad[static_cast<std::size_t>(corner)]);
        EXPECT_EQ(drawn[13].point(10 + corner), quad[static_cast<std::size_t>(corner)]);
    }
    EXPECT_EQ(drawn[15].real(40), 2);
    EXPECT_EQ(drawn[15].real(39), 0.5);
    EXPECT_EQ(drawn[16].real(39), 0);  // each call sets its own thickness
    EXPECT_EQ(drawn[16].real(51), 1.5);
    EXPECT_EQ(drawn[18].flags(70), 8);
    EXPECT_EQ(drawn[19].point(10), quad[0]);
}

TEST_F(EntityGate, APolylineThatFailedLeavesTheMakerReadyForTheNext) {
    ZaEntityMaker maker;
    const std::vector<ZaPoint> points = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}};
    zcad::test::failEntityMakeAt(3);  // the second vertex
    EXPECT_FALSE(maker.polyline(points, "0", false));
    EXPECT_FALSE(zcad::test::sequenceOpen());
    EXPECT_TRUE(maker.polyline(points, "ROAD", false));
    EXPECT_EQ(drawnTypes(), "POLYLINE VERTEX VERTEX VERTEX SEQEND ");
    for (const auto& d : drawnEntities()) EXPECT_EQ(d.text(8), "ROAD");
}

TEST_F(EntityGate, APolyfaceMeshNumbersItsVerticesIn16BitsAndRefusesWhatWouldWrap) {
    ZaEntityMaker maker;
    const std::array<int, 3> face = {1, -2, 3};
    ASSERT_TRUE(maker.polyfaceHeader(3, 1, "MESH"));
    for (const ZaPoint& p : {ZaPoint{0, 0, 0}, ZaPoint{1, 0, 0}, ZaPoint{1, 1, 1}}) ASSERT_TRUE(maker.polyfaceVertex(p, "V"));
    ASSERT_TRUE(maker.polyfaceFace(face, "F"));
    ASSERT_TRUE(maker.seqend("0"));
    const auto drawn = drawnEntities();
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[0].flags(70), 64);
    EXPECT_EQ(drawn[0].flags(71), 3);
    EXPECT_EQ(drawn[3].flags(70), 192);
    EXPECT_EQ(drawn[4].flags(72), -2);
    EXPECT_EQ(drawn[4].at(74), nullptr);

    zcad::test::failEntityMakeAt(0);
    EXPECT_FALSE(maker.polyfaceHeader(32768, 1, "MESH"));
    EXPECT_FALSE(maker.polyfaceHeader(1, -1, "MESH"));
    EXPECT_FALSE(maker.polyfaceFace(std::array<int, 3>{1, 32768, 2}, "F"));
    EXPECT_FALSE(maker.polyfaceFace(std::array<int, 3>{1, 0, 2}, "F"));
    EXPECT_FALSE(maker.polyfaceFace(std::array<int, 2>{1, 2}, "F"));
    EXPECT_EQ(zcad::test::entityMakeCalls(), 0) << "refused before the host was asked";
    EXPECT_TRUE(maker.face(std::array<ZaPoint, 4>{}, "F", 5));
    EXPECT_EQ(drawnEntities().back().flags(70), 5);
}

}  // namespace
