#include <cmath>
#include <limits>
#include <numbers>

#include "host_fixture.h"
#include "zcad/entity_shape.h"

namespace zcad::testing {
namespace {

using EntityShapeTest = HostTest;
constexpr double kPi = std::numbers::pi;

void expectBox(const Box& box, double x0, double y0, double z0, double x1, double y1, double z1) {
    ASSERT_FALSE(box.empty());
    EXPECT_NEAR(box.min[0], x0, 1e-9);
    EXPECT_NEAR(box.min[1], y0, 1e-9);
    EXPECT_NEAR(box.min[2], z0, 1e-9);
    EXPECT_NEAR(box.max[0], x1, 1e-9);
    EXPECT_NEAR(box.max[1], y1, 1e-9);
    EXPECT_NEAR(box.max[2], z1, 1e-9);
}

// Extrusion (0,0,-1): the object x axis is the world's -x, z is -z.
TEST_F(EntityShapeTest, ACircleSeenFromBelowLiesMirroredInTheWorld) {
    const EntityId circle = ListBuilder("CIRCLE").point(10, 5, 0, 2).real(40, 1).point(210, 0, 0, -1).append(db());
    expectBox(entityExtents(db(), circle), -6, -1, -2, -4, 1, -2);
    EXPECT_NEAR(entityDistance(db(), circle, -5, 0), 1.0, 1e-12);
    EXPECT_NEAR(entityDistance(db(), circle, -5, 3), 2.0, 1e-12);

    const double delta[3] = {1, 2, 3};
    moveEntity(db(), circle, delta);
    const Group centre = groupWithCode(db(), circle, 10);
    EXPECT_DOUBLE_EQ(centre.xyz[0], 4);
    EXPECT_DOUBLE_EQ(centre.xyz[1], 2);
    EXPECT_DOUBLE_EQ(centre.xyz[2], -1);
    expectBox(entityExtents(db(), circle), -5, 1, 1, -3, 3, 1);
    EXPECT_EQ(groupWithCode(db(), circle, 210).xyz[2], -1);
}

TEST_F(EntityShapeTest, AMirroredLightweightPolylineMovesItsElevation) {
    const EntityId lw = ListBuilder("LWPOLYLINE").integer(90, 2).integer(70, 0).real(38, 2).flat(10, 1, 0).flat(10, 3, 4)
                            .point(210, 0, 0, -1).append(db());
    expectBox(entityExtents(db(), lw), -3, 0, -2, -1, 4, -2);

    const double delta[3] = {1, 0, 1};
    moveEntity(db(), lw, delta);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), lw, 38).real(), 1.0);
    const auto vertices = groupsWithCode(db(), lw, 10);
    ASSERT_EQ(vertices.size(), 2u);
    EXPECT_TRUE(vertices[0].flat);
    EXPECT_DOUBLE_EQ(vertices[0].xyz[0], 0);
    EXPECT_DOUBLE_EQ(vertices[1].xyz[0], 2);
    expectBox(entityExtents(db(), lw), -2, 0, -1, 0, 4, -1);
}

TEST_F(EntityShapeTest, ArcExtentsFollowTheSweep) {
    const EntityId quarter = ListBuilder("ARC").point(10, 0, 0).real(40, 1).real(50, 0).real(51, kPi / 2).append(db());
    expectBox(entityExtents(db(), quarter), 0, 0, 0, 1, 1, 0);
    // Across 90 degrees: the top of the circle lies inside the sweep.
    const EntityId top = ListBuilder("ARC").point(10, 0, 0).real(40, 2).real(50, kPi / 6).real(51, 5 * kPi / 6).append(db());
    expectBox(entityExtents(db(), top), -std::sqrt(3.0), 1, 0, std::sqrt(3.0), 2, 0);
    // Across 0 degrees: the sweep wraps.
    const EntityId wrap = ListBuilder("ARC").point(10, 0, 0).real(40, 1).real(50, 3 * kPi / 2).real(51, kPi / 2).append(db());
    expectBox(entityExtents(db(), wrap), 0, -1, 0, 1, 1, 0);
    const EntityId mirrored = ListBuilder("ARC").point(10, 0, 0).real(40, 1).real(50, 0).real(51, kPi / 2)
                                  .point(210, 0, 0, -1).append(db());
    expectBox(entityExtents(db(), mirrored), -1, 0, 0, 0, 1, 0);
    EXPECT_NEAR(entityDistance(db(), mirrored, -2, 0), 1.0, 1e-12);
}

TEST_F(EntityShapeTest, BulgesBowPolylineSegments) {
    // Bulge 1 from (0,0) to (2,0) turns counter-clockwise through (1,-1).
    const EntityId lw = ListBuilder("LWPOLYLINE").integer(90, 2).integer(70, 0).flat(10, 0, 0).real(42, 1).flat(10, 2, 0)
                            .append(db());
    expectBox(entityExtents(db(), lw), 0, -1, 0, 2, 0, 0);
    EXPECT_NEAR(entityDistance(db(), lw, 1, 0), 1.0, 1e-12);

    const EntityId head = ListBuilder("POLYLINE").integer(66, 1).point(10, 0, 0, 0).integer(70, 0).append(db());
    ListBuilder("VERTEX").point(10, 0, 0).real(42, -1).append(db());
    ListBuilder("VERTEX").point(10, 2, 0).append(db());
    ListBuilder("SEQEND").append(db());
    expectBox(entityExtents(db(), head), 0, 0, 0, 2, 1, 0);
}

TEST_F(EntityShapeTest, TextBoxesFollowHeightLengthRotationAndAlignment) {
    const EntityId plain = ListBuilder("TEXT").point(10, 1, 2).real(40, 2).text(1, "ABC").append(db());
    expectBox(entityExtents(db(), plain), 1, 2, 0, 7, 4, 0);
    EXPECT_EQ(entityDistance(db(), plain, 3, 3), 0.0);

    const EntityId turned = ListBuilder("TEXT").point(10, 0, 0).real(40, 1).text(1, "%%c12").real(50, kPi / 2).append(db());
    expectBox(entityExtents(db(), turned), -1, 0, 0, 0, 3, 0);

    const EntityId centred = ListBuilder("TEXT").point(10, 0, 0).real(40, 1).text(1, "ABCD").integer(72, 1)
                                 .point(11, 10, 0).append(db());
    expectBox(entityExtents(db(), centred), 8, 0, 0, 12, 1, 0);

    // Attributes justify vertically by 74 (73 is their field length).
    const EntityId attribute = ListBuilder("ATTRIB").point(10, 0, 0).real(40, 1).text(1, "AB").text(2, "TAG")
                                   .integer(73, 0).integer(72, 2).integer(74, 3).point(11, 10, 10).append(db());
    expectBox(entityExtents(db(), attribute), 8, 9, 0, 10, 10, 0);
}

TEST_F(EntityShapeTest, ParagraphTextSpreadsOverItsLines) {
    const EntityId mtext = ListBuilder("MTEXT").point(10, 0, 10).real(40, 3).integer(71, 1)
                               .text(1, "{\\fArial|b0;AB}\\PABCD").append(db());
    // Two lines, top-left attached: 4 cells wide, one line gap of 5/3 height.
    expectBox(entityExtents(db(), mtext), 0, 2, 0, 12, 10, 0);
}

TEST_F(EntityShapeTest, PolylineVerticesCountThroughTheirOwner) {
    const EntityId head = appendPolyline2d(db(), 2.0, {{0, 0}, {4, 0}, {4, 3}});
    const std::vector<EntityId> subs = subEntities(db(), head);
    ASSERT_EQ(subs.size(), 4u);
    EXPECT_EQ(db().type(subs.back()), "SEQEND");
    EXPECT_TRUE(subEntities(db(), subs.front()).empty());
    expectBox(entityExtents(db(), head), 0, 0, 2, 4, 3, 2);
    EXPECT_NEAR(entityDistance(db(), head, 2, 1), 1.0, 1e-12);
}

// A large drawing is measured in slices at once: a polyline whose vertices
// lie in the next slice, the extremes in different slices, erased and
// paper-space entities that must not count.
TEST_F(EntityShapeTest, LargeDrawingsMeasureAsSmallOnes) {
    for (int i = 0; i < 50000; ++i) ListBuilder("POINT").point(10, i % 100, i % 77, 0).append(db());
    const EntityId far = ListBuilder("POINT").point(10, 1e6, 0, 0).append(db());
    db().erase(far);
    ListBuilder("POINT").point(10, -1e6, 0, 0).integer(67, 1).append(db());
    const EntityId head = appendPolyline2d(db(), 5.0, {{-40, -30}, {4, 0}});
    for (int i = 0; i < 30000; ++i) ListBuilder("POINT").point(10, 1, 1, -2).append(db());
    ListBuilder("POINT").point(10, 250, 1, 0).append(db());
    EXPECT_TRUE(db().valid(head));
    expectBox(drawingExtents(db()), -40, -30, -2, 250, 76, 5);
}

// A mesh longer than a slice: the slices after the first start among its
// vertices and must box its positions, not its face records.
TEST_F(EntityShapeTest, AMeshAcrossSlicesMeasuresAsItsShape) {
    const EntityId head = ListBuilder("POLYLINE").integer(66, 1).integer(70, 64).append(db());
    for (int i = 0; i < 60000; ++i) {
        ListBuilder("VERTEX").point(10, 100 + i % 50, 200 + i % 70, 5).integer(70, 192).append(db());
    }
    ListBuilder("VERTEX").point(10, 500, 600, 7).integer(70, 192).append(db());
    for (int i = 0; i < 40000; ++i) {
        ListBuilder("VERTEX").point(10, 0, 0, 0).integer(70, 128).integer(71, 1).integer(72, 2).integer(73, 3)
            .append(db());
    }
    ListBuilder("SEQEND").append(db());
    const Box shape = entityExtents(db(), head);
    expectBox(drawingExtents(db()), shape.min[0], shape.min[1], shape.min[2], shape.max[0], shape.max[1], shape.max[2]);
    expectBox(shape, 100, 200, 5, 500, 600, 7);
}

// The common kinds are boxed from their lists, not their shapes: each odd
// case must measure as its shape does (flat points at their elevation, a
// missing corner, frame control points, thickness, paper space).
TEST_F(EntityShapeTest, PlainKindsMeasureAsTheirShapes) {
    const auto alone = [this](auto make) {
        db() = Database();
        const EntityId id = make();
        const Box shape = entityExtents(db(), id);
        const Box drawing = drawingExtents(db());
        ASSERT_EQ(shape.empty(), drawing.empty());
        if (!shape.empty()) expectBox(drawing, shape.min[0], shape.min[1], shape.min[2], shape.max[0], shape.max[1], shape.max[2]);
    };
    alone([&] { return ListBuilder("POINT").flat(10, 3, 4).real(38, 7).append(db()); });
    alone([&] { return ListBuilder("POINT").real(38, 7).append(db()); });
    alone([&] { return ListBuilder("LINE").point(10, 1, 2, 3).point(11, -4, 5, -6).real(39, 0).append(db()); });
    alone([&] { return ListBuilder("LINE").point(10, 1, 2, 3).point(11, -4, 5, -6).real(39, 2).append(db()); });
    alone([&] { return ListBuilder("3DFACE").point(10, 0, 0, 0).point(11, 5, 0, 1).point(12, 5, 5, 2).append(db()); });
    alone([&] {
        return ListBuilder("3DFACE").point(10, 0, 0, 0).point(11, 5, 0, 1).point(12, 5, 5, 2).point(13, -1, 9, 3)
            .append(db());
    });
    alone([&] {
        const EntityId head = ListBuilder("POLYLINE").integer(66, 1).integer(70, 8).append(db());
        ListBuilder("VERTEX").point(10, 1, 1, 1).integer(70, 32).append(db());
        ListBuilder("VERTEX").point(10, 90, 90, 90).integer(70, 16).append(db());
        ListBuilder("VERTEX").point(10, -2, 3, 4).integer(70, 32).append(db());
        ListBuilder("VERTEX").integer(70, 16).point(10, -50, -50, -50).append(db());
        ListBuilder("VERTEX").point(10, 7, -8, 20).append(db());
        ListBuilder("SEQEND").append(db());
        return head;
    });
    // Polyface meshes away from the origin, where their face records sit: a
    // position no face names, one only on invisible edges, a flat one at its
    // elevation, a face naming a vertex it lacks.
    for (const int flags : {64, 64 | 8, 64 | 16}) {
        alone([&] {
            const EntityId head = ListBuilder("POLYLINE").integer(66, 1).integer(70, flags).append(db());
            ListBuilder("VERTEX").point(10, 100, 50, 1).integer(70, 192).append(db());
            ListBuilder("VERTEX").point(10, 110, 50, 2).integer(70, 192).append(db());
            ListBuilder("VERTEX").point(10, 110, 60, 3).integer(70, 192).append(db());
            ListBuilder("VERTEX").point(10, 93, 70, 5).integer(70, 192).append(db());
            ListBuilder("VERTEX").flat(10, 130, 47).real(38, 9).integer(70, 64).append(db());
            // Read only as far as they decide: flags first, a second flags group, flags last.
            ListBuilder("VERTEX").integer(70, 192).point(10, 140, 40, -1).append(db());
            ListBuilder("VERTEX").integer(70, 128).integer(70, 192).point(10, 150, 80, 8).append(db());
            ListBuilder("VERTEX").flat(10, 90, 75).integer(70, 192).real(38, -4).append(db());
            ListBuilder("VERTEX").point(10, 0, 0, 0).integer(70, 128).integer(71, 1).integer(72, 2).integer(73, 3)
                .append(db());
            ListBuilder("VERTEX").point(10, 0, 0, 0).integer(70, 128).integer(71, -3).integer(72, -4).integer(73, 9)
                .append(db());
            ListBuilder("SEQEND").append(db());
            return head;
        });
    }
    alone([&] {
        const EntityId head = ListBuilder("POLYLINE").integer(66, 1).integer(70, 64).real(39, 4).append(db());
        ListBuilder("VERTEX").point(10, 1, 2, 3).integer(70, 192).append(db());
        ListBuilder("VERTEX").point(10, 0, 0, 0).integer(70, 128).integer(71, 1).integer(72, 1).integer(73, 1)
            .append(db());
        ListBuilder("SEQEND").append(db());
        return head;
    });
    db() = Database();
    ListBuilder("LINE").point(10, 0, 0, 0).point(11, 1, 1, 1).append(db());
    ListBuilder("LINE").point(10, 50, 0, 0).point(11, 60, 1, 1).integer(67, 1).append(db());
    expectBox(drawingExtents(db()), 0, 0, 0, 1, 1, 1);
}

// Face records carry a dummy (0,0,0) point that is no place of the mesh.
TEST_F(EntityShapeTest, PolyfaceExtentsSkipFaceRecords) {
    const EntityId head = ListBuilder("POLYLINE").integer(66, 1).point(10, 0, 0, 0).integer(70, 64).integer(71, 3)
                              .integer(72, 1).append(db());
    ListBuilder("VERTEX").point(10, 10, 10, 1).integer(70, 192).append(db());
    ListBuilder("VERTEX").point(10, 12, 10, 2).integer(70, 192).append(db());
    ListBuilder("VERTEX").point(10, 10, 13, 3).integer(70, 192).append(db());
    ListBuilder("VERTEX").point(10, 0, 0, 0).integer(70, 128).integer(71, 1).integer(72, 2).integer(73, -3)
        .append(db());
    ListBuilder("SEQEND").append(db());
    expectBox(entityExtents(db(), head), 10, 10, 1, 12, 13, 3);
    EXPECT_NEAR(entityDistance(db(), head, 11, 9), 1.0, 1e-12);
}

TEST_F(EntityShapeTest, SolidsPickFromInsideAndShapelessEntitiesNever) {
    const EntityId solid = ListBuilder("SOLID").point(10, 0, 0).point(11, 4, 0).point(12, 0, 4).point(13, 4, 4)
                               .append(db());
    expectBox(entityExtents(db(), solid), 0, 0, 0, 4, 4, 0);
    EXPECT_EQ(entityDistance(db(), solid, 2, 2), 0.0);
    EXPECT_NEAR(entityDistance(db(), solid, 6, 2), 2.0, 1e-12);

    const EntityId region = ListBuilder("REGION").append(db());
    EXPECT_TRUE(entityExtents(db(), region).empty());
    EXPECT_EQ(entityDistance(db(), region, 0, 0), std::numeric_limits<double>::infinity());
}

TEST_F(EntityShapeTest, ThicknessExtrudesAlongTheNormal) {
    const EntityId line = ListBuilder("LINE").real(39, 5).point(10, 0, 0, 0).point(11, 1, 0, 0).append(db());
    expectBox(entityExtents(db(), line), 0, 0, 0, 1, 0, 5);
}

TEST_F(EntityShapeTest, BlockReferencesCarryTheirAttributes) {
    const EntityId insert = ListBuilder("INSERT").text(2, "BLK").integer(66, 1).point(10, 1, 1, 0).append(db());
    const EntityId attribute = ListBuilder("ATTRIB").point(10, 2, 1, 0).real(40, 1).text(1, "X").text(2, "T")
                                   .append(db());
    ListBuilder("SEQEND").append(db());
    const EntityId lone = ListBuilder("INSERT").text(2, "BLK").point(10, 9, 9, 0).append(db());
    EXPECT_EQ(subEntities(db(), insert).size(), 2u);
    EXPECT_TRUE(subEntities(db(), lone).empty());
    expectBox(entityExtents(db(), insert), 1, 1, 0, 3, 2, 0);

    const double delta[3] = {1, 1, 1};
    moveEntity(db(), insert, delta);
    const Group moved = groupWithCode(db(), attribute, 10);
    EXPECT_DOUBLE_EQ(moved.xyz[0], 3);
    EXPECT_DOUBLE_EQ(moved.xyz[2], 1);

    setEntityElevation(db(), insert, 5);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), insert, 10).xyz[2], 5);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), attribute, 10).xyz[2], 5);
}

// Direction groups are no places: they stay when the entity moves.
TEST_F(EntityShapeTest, MovingLeavesDirectionsAndSizes) {
    const EntityId ellipse = ListBuilder("ELLIPSE").point(10, 0, 0).point(11, 3, 0).real(40, 0.5).append(db());
    const double delta[3] = {10, 0, 0};
    moveEntity(db(), ellipse, delta);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), ellipse, 10).xyz[0], 10);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), ellipse, 11).xyz[0], 3);
    expectBox(entityExtents(db(), ellipse), 7, -1.5, 0, 13, 1.5, 0);

    const EntityId hatch = ListBuilder("HATCH").point(10, 0, 0, 2).integer(91, 1).integer(92, 1).integer(93, 1)
                               .integer(72, 3).flat(10, 1, 1).flat(11, 5, 0).real(40, 0.5).append(db());
    moveEntity(db(), hatch, delta);
    const auto points = groupsWithCode(db(), hatch, 10);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_DOUBLE_EQ(points[0].xyz[0], 0);  // the elevation point
    EXPECT_DOUBLE_EQ(points[1].xyz[0], 11);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), hatch, 11).xyz[0], 5);
}

TEST_F(EntityShapeTest, ElevationOfPlanarEntitiesIsTheirObjectZ) {
    const EntityId circle = ListBuilder("CIRCLE").point(10, 1, 1, 0).real(40, 1).point(210, 0, 0, -1).append(db());
    setEntityElevation(db(), circle, 3);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), circle, 10).xyz[2], 3);
    expectBox(entityExtents(db(), circle), -2, 0, -3, 0, 2, -3);

    // A polyline made without a header point gets one.
    const EntityId head = ListBuilder("POLYLINE").integer(66, 1).integer(70, 0).append(db());
    ListBuilder("VERTEX").point(10, 1, 2, 0).append(db());
    ListBuilder("SEQEND").append(db());
    setEntityElevation(db(), head, -4);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), head, 10).xyz[2], -4);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), head + 1, 10).xyz[2], -4);
}

}  // namespace
}  // namespace zcad::testing
