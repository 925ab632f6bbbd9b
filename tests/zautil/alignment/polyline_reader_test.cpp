// Polylines as drawings hold them, read into vertex lists: bulges that DXF
// writers leave out, both kinds of polyline, every refusal, and curves
// drawn upside down or read in a user system.
#include "alignment/polyline_reader.h"

#include <gmock/gmock.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "alignment/alignment_path.h"
#include "alignment_drawing.h"
#include "host_fixture.h"

namespace {

const double kQuarter = std::tan(std::numbers::pi / 8);

using List = std::unique_ptr<resbuf, decltype(&acutRelRb)>;

class PolylineReader : public HostTest {
protected:
    void make(resbuf* list, ads_name name) {
        ASSERT_EQ(makeEntity(list), RTNORM);
        acdbEntLast(name);
    }
    // The road of the worked example.
    static void makeRoad(ads_name name, const ads_point extrusion = nullptr, int flags = 0) {
        makeLwPolyline({{0, 0, 0, 0}, {20, 0, 0, kQuarter}, {30, 10, 0, 0}, {30, 30, 0, 0}}, name, flags, extrusion);
    }
    static std::vector<double> bulges(const ZaAlignment& list) {
        std::vector<double> out;
        for (const auto& v : list) out.push_back(v.bulgeOrRadius);
        return out;
    }
};

TEST_F(PolylineReader, AVertexWithoutABulgeStartsAStraight) {
    ads_name road;
    makeRoad(road);
    ZaAlignment list;
    ASSERT_EQ(zaReadAlignmentPolyline(road, 0, list), ZaPolylineFault::None);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_THAT(bulges(list), testing::ElementsAre(0, kQuarter, 0, 0));
    EXPECT_EQ(list[3].x, 30);
    EXPECT_EQ(list[3].y, 30);

    ads_name old;
    makeOldStylePolyline({{0, 0, 5, 0}, {20, 0, 6, 0.25}, {30, 10, 7, 0}}, old, 8);
    ASSERT_EQ(zaReadAlignmentPolyline(old, 0, list), ZaPolylineFault::None);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_THAT(bulges(list), testing::ElementsAre(0, 0.25, 0));
    EXPECT_EQ(list[2].z, 7) << "a 3D polyline keeps its levels";
}

TEST_F(PolylineReader, RefusesWhatIsNoOpenPolyline) {
    ZaAlignment list;
    ads_name entity;
    ASSERT_EQ(makeLine(0, 0, 10, 0), RTNORM);
    acdbEntLast(entity);
    EXPECT_EQ(zaReadAlignmentPolyline(entity, 0, list), ZaPolylineFault::NotPolyline);

    makeRoad(entity, nullptr, 1);
    EXPECT_EQ(zaReadAlignmentPolyline(entity, 0, list), ZaPolylineFault::Closed);
    // The tests run in this order: a mesh is a mesh before it is closed.
    makeOldStylePolyline({{0, 0, 0, 0}, {1, 1, 0, 0}}, entity, 4);
    EXPECT_EQ(zaReadAlignmentPolyline(entity, 0, list), ZaPolylineFault::SplineFit);
    makeOldStylePolyline({{0, 0, 0, 0}, {1, 1, 0, 0}}, entity, 64 | 1, 192);
    EXPECT_EQ(zaReadAlignmentPolyline(entity, 0, list), ZaPolylineFault::PolyfaceMesh);
    makeOldStylePolyline({{0, 0, 0, 0}, {1, 1, 0, 0}}, entity, 16 | 1, 64);
    EXPECT_EQ(zaReadAlignmentPolyline(entity, 0, list), ZaPolylineFault::PolygonMesh);

    const ads_point a = {0, 0, 0}, b = {10, 0, 0};
    make(acutBuildList(RTDXF0, "LWPOLYLINE", 8, "0", 90, 2, 10, a, 10, b, 0), entity);
    EXPECT_EQ(zaReadAlignmentPolyline(entity, 0, list), ZaPolylineFault::NoFlags);
    const ads_name gone = {0, 0};
    EXPECT_EQ(zaReadAlignmentPolyline(gone, 0, list), ZaPolylineFault::NoEntityData);
}

TEST_F(PolylineReader, LightweightCountsAndVertices) {
    const ads_point a = {0, 0, 0}, b = {10, 0, 0};
    ZaAlignment list;
    const List noCount(acutBuildList(RTDXF0, "LWPOLYLINE", 10, a, 10, b, 0), &acutRelRb);
    EXPECT_EQ(zaReadLightweightVertices(noCount.get(), list), ZaPolylineFault::NoVertexCount);
    const List tooMany(acutBuildList(RTDXF0, "LWPOLYLINE", 90, 1601, 10, a, 0), &acutRelRb);
    EXPECT_EQ(zaReadLightweightVertices(tooMany.get(), list), ZaPolylineFault::TooManyVertices);
    const List missing(acutBuildList(RTDXF0, "LWPOLYLINE", 90, 3, 10, a, 42, 0.5, 10, b, 0), &acutRelRb);
    EXPECT_EQ(zaReadLightweightVertices(missing.get(), list), ZaPolylineFault::VertexMissing);
    // Vertices beyond the count are not the polyline's.
    const List extra(acutBuildList(RTDXF0, "LWPOLYLINE", 90, 1, 10, a, 42, 0.5, 10, b, 42, 0.7, 0), &acutRelRb);
    ASSERT_EQ(zaReadLightweightVertices(extra.get(), list), ZaPolylineFault::None);
    EXPECT_THAT(bulges(list), testing::ElementsAre(0.5));
}

TEST_F(PolylineReader, APolylineDrawnUpsideDownIsReadInTheWorldWithItsCurvesTurningAsSeen) {
    const ads_point down = {0, 0, -1};
    ads_name road;
    makeRoad(road, down);
    ZaAlignment list;
    ASSERT_EQ(zaReadAlignmentPolyline(road, 0, list), ZaPolylineFault::None);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[1].x, -20);  // its x axis runs the world's other way
    EXPECT_THAT(bulges(list), testing::ElementsAre(0, -kQuarter, 0, 0));
    ASSERT_TRUE(CalcPath("Pegged", list));
    EXPECT_NEAR(list[2].x, -30, 1e-9) << "the IP where the straights meet in the world";
    EXPECT_NEAR(list[2].y, 0, 1e-9);
    EXPECT_EQ(output_.find("WARNING"), std::string::npos);
}

TEST_F(PolylineReader, InTheUserSystemPointsMoveAndAFlippedSystemTurnsCurvesOver) {
    ads_name road;
    makeRoad(road);
    // Origin (100, 50), x along the world's y.
    db().setHeaderVar("$UCSORG", {zcad::OwnedGroup::point(10, 100, 50, 0)});
    db().setHeaderVar("$UCSXDIR", {zcad::OwnedGroup::point(10, 0, 1, 0)});
    db().setHeaderVar("$UCSYDIR", {zcad::OwnedGroup::point(10, -1, 0, 0)});
    ZaAlignment list;
    ASSERT_EQ(zaReadAlignmentPolyline(road, 1, list), ZaPolylineFault::None);
    EXPECT_NEAR(list[1].x, -50, 1e-9);
    EXPECT_NEAR(list[1].y, 80, 1e-9);
    EXPECT_THAT(bulges(list), testing::ElementsAre(0, kQuarter, 0, 0));

    db().setHeaderVar("$UCSYDIR", {zcad::OwnedGroup::point(10, 1, 0, 0)});  // z now points down
    ASSERT_EQ(zaReadAlignmentPolyline(road, 1, list), ZaPolylineFault::None);
    EXPECT_THAT(bulges(list), testing::ElementsAre(0, -kQuarter, 0, 0));
    ASSERT_EQ(zaReadAlignmentPolyline(road, 0, list), ZaPolylineFault::None);
    EXPECT_THAT(bulges(list), testing::ElementsAre(0, kQuarter, 0, 0)) << "the world is as drawn";
}

}  // namespace
