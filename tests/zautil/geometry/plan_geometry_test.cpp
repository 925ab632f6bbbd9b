// What the alignment takes from a bulge: the arc's midpoint, its halves,
// its length and where its end tangents meet; and the plan measures, with
// their answers for coincident points and parallel lines.
#include "geometry/plan_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

void expectNear(const ZaPoint& p, double x, double y, double z = 0) {
    EXPECT_NEAR(p[0], x, 1e-12);
    EXPECT_NEAR(p[1], y, 1e-12);
    EXPECT_EQ(p[2], z);
}

TEST(BulgeGeometry, MidpointHalvesAndLengthOfHalfCircles) {
    // Counter-clockwise from (0,0) to (2,0) passes below the chord.
    expectNear(zaBulgeMidpoint({0, 0, 3}, {2, 0, 7}, 1), 1, -1, 3);
    expectNear(zaBulgeMidpoint({0, 0, 0}, {2, 0, 0}, -1), 1, 1);
    EXPECT_NEAR(zaHalfBulge(1), std::tan(kPi / 8), 1e-15);
    EXPECT_NEAR(zaHalfBulge(-1), -std::tan(kPi / 8), 1e-15);
    EXPECT_NEAR(zaBulgeArcLength({0, 0, 0}, {2, 0, 0}, 1), kPi, 1e-12);
    // A quarter circle of radius 10.
    EXPECT_NEAR(zaBulgeArcLength({20, 0, 0}, {30, 10, 0}, std::tan(kPi / 8)), 5 * kPi, 1e-12);
    // A midpoint on a larger arc lies on its circle, halfway round.
    const double b = std::tan(135.0 / 180 * kPi / 4);
    const ZaPoint p1{3, 4, 0}, p2{-7, 9, 0};
    const ZaArcCentre c = CalcArc(p1, p2, b);
    const ZaPoint m = zaBulgeMidpoint(p1, p2, b);
    EXPECT_NEAR(std::hypot(m[0] - c.centre[0], m[1] - c.centre[1]), c.radius, 1e-9);
    EXPECT_NEAR(zaPlanDistance(p1, m), zaPlanDistance(m, p2), 1e-9);
}

TEST(BulgeGeometry, TangentsOfAnArcMeetAtItsIntersectionPoint) {
    // Quarter circle about (20,10) from (20,0) to (30,10): tangents y = 0 and x = 30.
    expectNear(zaArcTangentsMeet({20, 0, 2}, {30, 10, 5}, {20, 10, 0}), 30, 0, 2);
    // A half circle has parallel tangents: no point.
    const ZaPoint none = zaArcTangentsMeet({0, 0, 0}, {2, 0, 0}, {1, 0, 0});
    EXPECT_FALSE(std::isfinite(none[0]) && std::isfinite(none[1]));
}

TEST(PlanMeasures, IgnoreLevelsAndSayWhenThereIsNoLine) {
    EXPECT_EQ(zaPlanDistance({0, 0, 100}, {3, 4, -50}), 5);
    EXPECT_NEAR(zaOffsetFromChord({0, 0, 0}, {10, 0, 0}, {4, -2.5, 9}), 2.5, 1e-15);
    EXPECT_NEAR(zaOffsetFromChord({0, 0, 0}, {10, 10, 0}, {0, 10, 0}), std::sqrt(50.0), 1e-12);
    EXPECT_FALSE(std::isfinite(zaOffsetFromChord({1, 1, 0}, {1, 1, 5}, {2, 2, 0})));
    expectNear(zaLinesMeet({0, 0, 1}, {1, 0, 0}, {5, -1, 0}, {5, 1, 0}), 5, 0, 1);
    EXPECT_FALSE(std::isfinite(zaLinesMeet({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0})[0]));
}

}  // namespace
