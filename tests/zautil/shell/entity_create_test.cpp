#include <vector>

#include "drawn.h"
#include "host_fixture.h"
#include "shell/entity_create.h"

namespace {

using Polylines = HostTest;
using SimpleEntities = HostTest;

TEST_F(Polylines, RepeatedFirstPointClosesInsteadOfBeingWritten) {
    ASSERT_TRUE(zaMakePolyline(std::vector<ZaPoint>{{0, 0, 0}, {9, 0, 0}, {9, 9, 0}, {0, 0, 0}}, "Kerb"));
    ASSERT_TRUE(zaMakePolyline(std::vector<ZaPoint>{{0, 0, 0}, {9, 0, 0}, {9, 9, 0}, {0, 1, 0}}, "Kerb"));
    EXPECT_EQ(drawnTypes(), "POLYLINE VERTEX VERTEX VERTEX SEQEND POLYLINE VERTEX VERTEX VERTEX VERTEX SEQEND ");
    const auto drawn = drawnEntities();
    EXPECT_EQ(drawn[0].flags(70), 1);
    EXPECT_EQ(drawn[5].flags(70) & 1, 0);
    EXPECT_EQ(drawn[9].point(10), (ZaPoint{0, 1, 0}));
    for (const auto& d : drawn) EXPECT_EQ(d.text(8), "Kerb");
}

TEST_F(Polylines, ThreeDClosesOnXAndYAloneAndKeepsEachZ) {
    const std::vector<ZaPoint> points = {{0, 0, 5}, {9, 0, 6}, {9, 9, 7}, {0, 0, 99}};
    ASSERT_TRUE(zaMake3DPolyline(points, "Model"));
    // Two points are a segment even when one stands above the other.
    ASSERT_TRUE(zaMake3DPolyline(std::vector<ZaPoint>{{3, 4, 0}, {3, 4, 12}}, "Model"));
    EXPECT_EQ(drawnTypes(), "POLYLINE VERTEX VERTEX VERTEX SEQEND POLYLINE VERTEX VERTEX SEQEND ");
    const auto drawn = drawnEntities();
    EXPECT_EQ(drawn[0].flags(70), 9);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(drawn[i].flags(70), 32);
        EXPECT_EQ(drawn[i].point(10), points[i - 1]);
    }
    EXPECT_EQ(drawn[5].flags(70), 8);
    EXPECT_EQ(drawn[7].point(10), (ZaPoint{3, 4, 12}));
}

TEST_F(Polylines, OnePointIsRefusedAfterOnlyTheCancellingCall) {
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "POLYLINE", 8, "0", 0)), RTNORM);  // left open
    zcad::test::failEntityMakeAt(0);
    EXPECT_FALSE(zaMakePolyline(std::vector<ZaPoint>{{1, 2, 0}}, "0"));
    EXPECT_EQ(zcad::test::entityMakeCalls(), 0);
    EXPECT_FALSE(zcad::test::sequenceOpen());
    EXPECT_EQ(drawnTypes(), "");
}

TEST_F(Polylines, FailureAnywhereInTheSequenceLeavesNothingOpenOrDrawn) {
    const std::vector<ZaPoint> points = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}};
    for (const int failing : {1, 3, 5}) {  // header, a vertex, the end marker
        SCOPED_TRACE(failing);
        zcad::test::failEntityMakeAt(failing);
        EXPECT_FALSE(zaMakePolyline(points, "0"));
        EXPECT_EQ(zcad::test::entityMakeCalls(), failing) << "went on after the failure";
        EXPECT_FALSE(zcad::test::sequenceOpen());
        EXPECT_EQ(drawnTypes(), "");
    }
}

TEST_F(SimpleEntities, CarryTheirGeometryLayerAndThickness) {
    const ads_point a = {1, 2, 3};
    const ads_point b = {4, 5, 6};
    zaMakeLine(a, b, "L", 0.5);
    zaMakeArc(a, 2.5, 0.25, 4.0, "A", 1.5);
    zaMakeCircle(b, 7, "C", 0);
    zaMakePoint(b, "P");
    EXPECT_EQ(drawnTypes(), "LINE ARC CIRCLE POINT ");
    const auto drawn = drawnEntities();
    EXPECT_EQ(drawn[0].text(8) + drawn[1].text(8) + drawn[2].text(8) + drawn[3].text(8), "LACP");
    EXPECT_EQ(drawn[0].point(11), (ZaPoint{4, 5, 6}));
    EXPECT_EQ(drawn[0].real(39), 0.5);
    EXPECT_EQ(drawn[1].real(40), 2.5);
    EXPECT_EQ(drawn[1].real(39), 1.5);
    EXPECT_EQ(drawn[1].real(50), 0.25);  // radians pass through untouched
    EXPECT_EQ(drawn[1].real(51), 4.0);
    EXPECT_EQ(drawn[2].real(40), 7);
}

}  // namespace
