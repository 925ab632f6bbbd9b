#include "geom/frame.h"

#include <gtest/gtest.h>

#include "geom/entity_system.h"

namespace {

using namespace zcad::geom;

void expectNear(const Vec3& actual, const Vec3& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-12);
    EXPECT_NEAR(actual.y, expected.y, 1e-12);
    EXPECT_NEAR(actual.z, expected.z, 1e-12);
}

TEST(ObjectFrame, FollowsTheArbitraryAxisAlgorithm) {
    const auto down = objectFrame({0, 0, -1});  // Ax = Wy x N = (-1, 0, 0): x is mirrored
    ASSERT_TRUE(down);
    expectNear(toWorld(*down, {1, 2, 3}, false), {-1, 2, -3});
    expectNear(fromWorld(*down, {-1, 2, -3}, false), {1, 2, 3});

    const auto east = objectFrame({2, 0, 0});  // Ax = Wz x N = (0, 1, 0), Ay = N x Ax = (0, 0, 1)
    ASSERT_TRUE(east);
    expectNear(toWorld(*east, {1, 2, 3}, false), {3, 1, 2});

    // Below the 1/64 limit x comes from world y, above it from world z.
    EXPECT_GT(objectFrame({0.01, 0, 1})->xAxis.x, 0.99);
    EXPECT_GT(objectFrame({0.02, 0, 1})->xAxis.y, 0.99);

    EXPECT_FALSE(objectFrame({0, 0, 0}));
    EXPECT_FALSE(objectFrame({0, 0, std::nan("")}));
}

TEST(UserFrame, RotatedAndShiftedRoundTripsAndVectorsIgnoreTheOrigin) {
    // Rotated 90 degrees about world z, origin at (10, 20, 5).
    const auto ucs = userFrame({10, 20, 5}, {0, 1, 0}, {-1, 0, 0});
    ASSERT_TRUE(ucs);
    const Frame world = worldFrame();
    expectNear(transform(world, *ucs, {11, 22, 5}, false), {2, -1, 0});
    expectNear(transform(*ucs, world, {2, -1, 0}, false), {11, 22, 5});
    expectNear(transform(world, *ucs, {1, 2, 0}, true), {2, -1, 0});
    const auto ocs = objectFrame({0, 0, -1});
    expectNear(transform(*ocs, *ucs, {1, 2, 3}, false), {-18, 11, -8});
}

TEST(UserFrame, SquaresAnUnsquaredYAndRefusesParallelAxes) {
    expectNear(userFrame({0, 0, 0}, {2, 0, 0}, {1, 1, 0})->yAxis, {0, 1, 0});
    EXPECT_FALSE(userFrame({0, 0, 0}, {1, 0, 0}, {3, 0, 0}));
    EXPECT_FALSE(userFrame({0, 0, 0}, {0, 0, 0}, {0, 1, 0}));
}

TEST(EntitySystem, ThreeDimensionalEntitiesKeepWorldPoints) {
    EXPECT_TRUE(entityPointsInWorld("line", 0));
    EXPECT_TRUE(entityPointsInWorld("3DFACE", 0));
    EXPECT_TRUE(entityPointsInWorld("POLYLINE", 8));
    EXPECT_TRUE(entityPointsInWorld("VERTEX", 32));
    EXPECT_FALSE(entityPointsInWorld("POLYLINE", 1));
    EXPECT_FALSE(entityPointsInWorld("LWPOLYLINE", 0));
    EXPECT_FALSE(entityPointsInWorld("CIRCLE", 0));
}

}  // namespace
