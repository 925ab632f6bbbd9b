// Arcs of bulges and entities, and where each rule puts their points: the
// worked examples of the rules, points on their arcs, both directions, and
// arcs with nothing to walk. A clockwise chord without rounding ending on
// its end is the export's converter test.
#include "geometry/arc_breakup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

std::vector<ZaPoint> walk(const ZaArc& arc, const ZaBreakupOptions& options) {
    std::vector<ZaPoint> points;
    zaWalkArc(arc, zaArcSteps(options, arc), [&](const ZaPoint& p) {
        points.push_back(p);
        return true;
    });
    return points;
}

ZaBreakupOptions rule(int type, double value, bool rounding = true) { return {type, rounding, value}; }

void expectNear(const ZaPoint& p, double x, double y, double z = 0) {
    EXPECT_NEAR(p[0], x, 1e-12);
    EXPECT_NEAR(p[1], y, 1e-12);
    EXPECT_EQ(p[2], z);
}

void expectOnArc(const std::vector<ZaPoint>& points, const ZaArc& arc) {
    for (const ZaPoint& p : points) {
        ASSERT_TRUE(std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]));
        EXPECT_NEAR(std::hypot(p[0] - arc.centre[0], p[1] - arc.centre[1]), arc.radius, 1e-9);
    }
}

// Angle of each point about the centre, in degrees from the first.
std::vector<double> degreesFromFirst(const std::vector<ZaPoint>& points, const ZaArc& arc) {
    std::vector<double> out;
    const double a0 = std::atan2(points[0][1] - arc.centre[1], points[0][0] - arc.centre[0]);
    for (const ZaPoint& p : points) {
        double a = std::atan2(p[1] - arc.centre[1], p[0] - arc.centre[0]) - a0;
        while (a < -1e-9) a += 2 * kPi;
        out.push_back(std::round(a / kPi * 180 * 1e6) / 1e6);
    }
    return out;
}

TEST(BulgeArc, CentreRadiusAndDirectionFollowTheBulgeSign) {
    const ZaArcCentre c = CalcArc({0, 0, 5}, {2, 0, 9}, 1);
    expectNear(c.centre, 1, 0, 5);  // at the first vertex's level
    EXPECT_NEAR(c.radius, 1, 1e-15);

    for (const int sign : {1, -1}) {
        const auto arc = zaBulgeArc({0, 0, 0}, {2, 0, 0}, sign);
        ASSERT_TRUE(arc);
        EXPECT_EQ(arc->direction, sign);
        const auto points = walk(*arc, rule(kZaBreakupQuarterly, 1));
        ASSERT_EQ(points.size(), 3u);
        expectNear(points[0], 0, 0);
        expectNear(points[1], 1, -sign);
        expectNear(points[2], 2, 0);
    }
}

TEST(Arc, MoreThanAHalfTurnAndThroughZeroDegrees) {
    // Bulge 2: an included angle of 4 atan 2, about 253 degrees.
    const auto big = zaBulgeArc({0, 0, 0}, {2, 0, 0}, 2);
    ASSERT_TRUE(big);
    EXPECT_NEAR(big->end - big->start, 4 * std::atan(2.0), 1e-12);
    const auto points = walk(*big, rule(kZaBreakupFlatness, 0.01));
    expectOnArc(points, *big);
    expectNear(points.front(), 0, 0);
    expectNear(points.back(), 2, 0);
    // The long way round: through the bottom of its circle.
    double lowest = 0;
    for (const ZaPoint& p : points) lowest = std::min(lowest, p[1]);
    EXPECT_NEAR(lowest, big->centre[1] - big->radius, 0.01);

    // A quarter circle that crosses the zero angle gets a full turn added.
    const auto across = zaBulgeArc({1, -1, 0}, {1, 1, 0}, std::tan(kPi / 8));
    ASSERT_TRUE(across);
    EXPECT_GT(across->end, across->start);
    EXPECT_NEAR(across->end - across->start, kPi / 2, 1e-12);
    const ZaArc entity = zaEntityArc({0, 0, 0}, 1, 1.5 * kPi, 0.5 * kPi);
    EXPECT_DOUBLE_EQ(entity.end, 0.5 * kPi + kZaFullTurn);
    EXPECT_EQ(entity.direction, 1);
}

TEST(BulgeArc, SegmentsWithNoArcToWalkAreStraights) {
    EXPECT_FALSE(zaBulgeArc({1, 1, 0}, {1, 1, 3}, 0.5));  // coincident in plan
    EXPECT_FALSE(zaBulgeArc({0, 0, 0}, {1, 0, 0}, 0));
    EXPECT_FALSE(zaBulgeArc({0, 0, 0}, {1, 0, 0}, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(zaBulgeArc({0, 0, 0}, {1e300, 1e300, 0}, 1e-300));  // a centre beyond any number
    const auto tiny = zaBulgeArc({0, 0, 0}, {1, 0, 0}, 1e-12);
    if (tiny) expectOnArc(walk(*tiny, rule(kZaBreakupChord, 0.3)), *tiny);
}

TEST(Quarterly, DivisionsPerQuarterOfTheSweep) {
    const ZaArc half = zaEntityArc({0, 0, 0}, 10, 0, kPi);
    const auto points = walk(half, rule(kZaBreakupQuarterly, 2));
    EXPECT_EQ(degreesFromFirst(points, half), (std::vector<double>{0, 45, 90, 135, 180}));
    expectOnArc(points, half);

    // A full circle starts and ends on the same point.
    const ZaArc circle = zaEntityArc({3, 4, 7}, 2, 0, kZaFullTurn);
    const auto round = walk(circle, rule(kZaBreakupQuarterly, 1));
    ASSERT_EQ(round.size(), 5u);
    expectNear(round.front(), 5, 4, 7);
    expectNear(round.back(), 5, 4, 7);
}

TEST(Chord, RoundingGivesEqualPartsAndWithoutItTheLastPartIsShorter) {
    const ZaArc quarter = zaEntityArc({0, 0, 0}, 10, 0, kPi / 2);  // 15.708 long
    const ZaArcSteps even = zaArcSteps(rule(kZaBreakupChord, 8), quarter);
    EXPECT_EQ(even.count, 2);
    EXPECT_FALSE(even.endPoint);
    EXPECT_EQ(degreesFromFirst(walk(quarter, rule(kZaBreakupChord, 8)), quarter), (std::vector<double>{0, 45, 90}));

    const ZaArcSteps exact = zaArcSteps(rule(kZaBreakupChord, 8, false), quarter);
    EXPECT_EQ(exact.count, 1);
    EXPECT_DOUBLE_EQ(exact.step, 0.8);
    EXPECT_TRUE(exact.endPoint);
    const auto points = walk(quarter, rule(kZaBreakupChord, 8, false));
    ASSERT_EQ(points.size(), 3u);
    expectNear(points[1], 10 * std::cos(0.8), 10 * std::sin(0.8));
    expectNear(points[2], 0, 10);
    expectOnArc(points, quarter);

    // Longer than the arc: its two ends only.
    EXPECT_EQ(walk(quarter, rule(kZaBreakupChord, 20)).size(), 2u);
    EXPECT_EQ(walk(quarter, rule(kZaBreakupChord, 20, false)).size(), 2u);
}

TEST(Flatness, TheChordThatKeepsTheArcWithinTheValue) {
    const ZaArc quarter = zaEntityArc({0, 0, 0}, 10, 0, kPi / 2);
    // Chord 2 sqrt(100 - 4) = 19.596 covers 15.708 of arc in one step.
    for (const double within : {8, 10, 50}) EXPECT_EQ(zaArcSteps(rule(kZaBreakupFlatness, within), quarter).count, 1);
    // A fine flatness: chord 2 sqrt(100 - 99.8001) = 0.8943, 18 steps.
    const ZaArcSteps fine = zaArcSteps(rule(kZaBreakupFlatness, 0.01), quarter);
    EXPECT_EQ(fine.count, 18);
    const auto points = walk(quarter, rule(kZaBreakupFlatness, 0.01));
    expectOnArc(points, quarter);
    // Every chord's mid-point lies within the value of the arc.
    for (std::size_t i = 1; i < points.size(); ++i) {
        const double mx = (points[i][0] + points[i - 1][0]) / 2, my = (points[i][1] + points[i - 1][1]) / 2;
        EXPECT_LE(10 - std::hypot(mx, my), 0.01);
    }
}

TEST(Degenerate, EveryPointIsFiniteAndAnArcAlwaysHasBothEnds) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const ZaArc none = zaEntityArc({1, 2, 3}, 5, 1, 1);  // no sweep
    const ZaArc point = zaEntityArc({1, 2, 3}, 0, 0, kPi);  // no radius
    for (const ZaBreakupOptions& options :
         {rule(kZaBreakupQuarterly, 2), rule(kZaBreakupChord, 8), rule(kZaBreakupChord, 8, false),
          rule(kZaBreakupFlatness, 8), rule(kZaBreakupQuarterly, 0), rule(kZaBreakupQuarterly, nan),
          rule(kZaBreakupFlatness, -1), rule(kZaBreakupNone, 1)}) {
        for (const ZaArc& arc : {none, point, zaEntityArc({1, 2, 3}, 5, 0, kPi)}) {
            const auto points = walk(arc, options);
            ASSERT_GE(points.size(), 2u);
            expectOnArc(points, arc);
            expectNear(points.front(), std::cos(arc.start) * arc.radius + 1, std::sin(arc.start) * arc.radius + 2, 3);
            expectNear(points.back(), std::cos(arc.end) * arc.radius + 1, std::sin(arc.end) * arc.radius + 2, 3);
        }
    }
}

TEST(Degenerate, AHugeArcIsLimitedToEqualSteps) {
    const ZaArc huge = zaEntityArc({0, 0, 0}, 1e12, 0, kPi);
    for (const bool rounding : {true, false}) {
        const ZaArcSteps steps = zaArcSteps(rule(kZaBreakupChord, 0.00001, rounding), huge);
        EXPECT_TRUE(steps.limited);
        EXPECT_EQ(steps.count, kZaMostArcSteps);
        EXPECT_FALSE(steps.endPoint);
        EXPECT_DOUBLE_EQ(steps.first + steps.count * steps.step, kPi);
    }
    // A chord of nothing asks for endless steps.
    EXPECT_TRUE(zaArcSteps(rule(kZaBreakupChord, 0, false), zaEntityArc({0, 0, 0}, 1, 0, 1)).limited);
}

TEST(Walk, StopsAtTheFirstRefusal) {
    const ZaArc half = zaEntityArc({0, 0, 0}, 10, 0, kPi);
    int seen = 0;
    EXPECT_FALSE(zaWalkArc(half, zaArcSteps(rule(kZaBreakupQuarterly, 2), half), [&](const ZaPoint&) {
        return ++seen < 2;
    }));
    EXPECT_EQ(seen, 2);
}

}  // namespace
