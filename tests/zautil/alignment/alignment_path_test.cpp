// The path computation on the alignments a designer draws, each checked
// against the IPs and chainages worked out by hand: where the tangent
// lines meet, and the plan length of straights and arcs (r times the
// angle). Tangent points that are not tangent, the 1600-record limit, and
// repeated vertices; a whole road with a reverse curve is the session test's.
#include "alignment/alignment_path.h"

#include <gmock/gmock.h>

#include <cmath>
#include <numbers>

#include "alignment/alignment_list.h"
#include "host_fixture.h"

namespace {

constexpr double kPi = std::numbers::pi;
const double kQuarter = std::tan(kPi / 8);  // the bulge of a quarter circle

struct Expected {
    double x, y, radius, chainage;
};

ZaAlignmentVertex at(double x, double y, double bulge = 0, double z = 0) { return {x, y, z, bulge, 0}; }

class AlignmentPath : public HostTest {
protected:
    // FixArcs then CalcPath, as the command runs them.
    ZaAlignment computed(ZaAlignment list) {
        EXPECT_TRUE(FixArcs("Pegged", list));
        EXPECT_TRUE(CalcPath("Pegged", list));
        return list;
    }
    static void expectPath(const ZaAlignment& got, const std::vector<Expected>& want) {
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t i = 0; i < want.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_NEAR(got[i].x, want[i].x, 1e-9);
            EXPECT_NEAR(got[i].y, want[i].y, 1e-9);
            EXPECT_NEAR(got[i].bulgeOrRadius, want[i].radius, 1e-9);
            EXPECT_NEAR(got[i].chainage, want[i].chainage, 1e-9);
        }
    }
    int warnings() const {
        int n = 0;
        for (auto at = output_.find("WARNING"); at != std::string::npos; at = output_.find("WARNING", at + 1)) ++n;
        return n;
    }
};

TEST_F(AlignmentPath, ACurveBetweenTwoStraightsHasItsIPWhereTheStraightsMeet) {
    const ZaAlignment path = computed({at(0, 0), at(20, 0, kQuarter, 4), at(30, 10), at(30, 30)});
    const double arc = 10 * kPi / 2;
    expectPath(path, {{0, 0, 0, 0},
                      {20, 0, kZaTangentPoint, 20},
                      {30, 0, 10, 20 + arc / 2},
                      {30, 10, kZaTangentPoint, 20 + arc},
                      {30, 30, 0, 40 + arc}});
    EXPECT_EQ(path[2].z, 4) << "the IP at the level of the curve's first vertex";
    EXPECT_EQ(warnings(), 0);
}

TEST_F(AlignmentPath, AHalfCircleBecomesTwoQuarterCurvesEachWithItsIP) {
    const double quarter = 10 * kPi / 2;
    const ZaAlignment path = computed({at(0, 0, 1, 2), at(20, 0)});
    EXPECT_EQ(path[2].z, 2) << "the new vertex at the level of the one it split";
    expectPath(path, {{0, 0, 0, 0},
                      {0, -10, 10, quarter / 2},
                      {10, -10, kZaTangentPoint, quarter},
                      {20, -10, 10, quarter * 1.5},
                      {20, 0, 0, quarter * 2}});
    // More than a half circle is split too; the last vertex's bulge never.
    ZaAlignment large{at(0, 0, -3), at(20, 0, 1)};
    ASSERT_TRUE(FixArcs("Pegged", large));
    EXPECT_EQ(large.size(), 3u);
    EXPECT_EQ(large.back().bulgeOrRadius, 1);
}

TEST_F(AlignmentPath, AStraightThatMeetsACurveAtAnAngleGivesAnAnglePointAndAMark) {
    // The curve's start tangent is turned 3 degrees off the straight.
    const double turn = 3.0 / 180 * kPi;
    const double c = std::cos(turn), s = std::sin(turn);
    const ZaAlignment path =
        computed({at(0, 0), at(20, 0, kQuarter), at(20 + 10 * c - 10 * s, 10 * s + 10 * c),
                  at(20 + 10 * c - 30 * s, 10 * s + 30 * c)});
    ASSERT_EQ(path.size(), 5u);
    EXPECT_EQ(path[1].bulgeOrRadius, 0) << "the tangent point became an angle point";
    EXPECT_EQ(path[3].bulgeOrRadius, kZaTangentPoint) << "the curve's end runs on tangentially";
    // The curve's IP lies on its own turned tangent, 10 from its start.
    EXPECT_NEAR(path[2].x, 20 + 10 * c, 1e-9);
    EXPECT_NEAR(path[2].y, 10 * s, 1e-9);
    EXPECT_THAT(output_, testing::HasSubstr("\nWARNING: Vector not tangent to arc at (20.000, 0.000).  New IP created."));
    EXPECT_EQ(warnings(), 1);
    const auto& marks = zcad::test::drawnVectors();
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].colour, 1);
    EXPECT_NEAR(marks[0].to[0], path[2].x, 1e-12);
}

TEST_F(AlignmentPath, ACurveEndingAtAnAngleIntoAStraightBeforeAnotherCurveIsAnAnglePointToo) {
    // Curve, a straight leaving it 2 degrees off, then a curve tangent to
    // that straight: the first curve's end must not vanish as a bend.
    const double len = std::hypot(1.0, 30.0);
    const double ux = 1 / len, uy = 30 / len;  // along the straight
    const double nx = uy, ny = -ux;            // its right hand
    const double x3 = 31, y3 = 40, r = 15;
    const double x4 = x3 + r * ux + r * nx, y4 = y3 + r * uy + r * ny;
    const ZaAlignment path = computed({at(0, 0), at(20, 0, kQuarter), at(30, 10), at(x3, y3, -kQuarter), at(x4, y4),
                                       at(x4 + 20 * nx, y4 + 20 * ny)});
    ASSERT_EQ(path.size(), 8u);
    EXPECT_EQ(path[3].bulgeOrRadius, 0);
    EXPECT_EQ(path[4].bulgeOrRadius, kZaTangentPoint);
    EXPECT_NEAR(path[5].bulgeOrRadius, r, 1e-9);
    EXPECT_THAT(output_, testing::HasSubstr("Vector not tangent to arc at (30.000, 10.000)."));
    EXPECT_EQ(warnings(), 1);
    const double total = 20 + 5 * kPi + std::hypot(x3 - 30, y3 - 10) + r * kPi / 2 + 20;
    EXPECT_NEAR(path.back().chainage, total, 1e-9);
}

TEST_F(AlignmentPath, ACurveThatDoublesBackOnItsStraightIsAnAnglePoint) {
    // The curve leaves (20,0) heading back west: in line with the straight,
    // but its IP lies behind the tangent point, not ahead of it.
    const ZaAlignment path = computed({at(0, 0), at(20, 0, kQuarter), at(10, -10), at(10, -30)});
    const double arc = 10 * kPi / 2;
    expectPath(path, {{0, 0, 0, 0},
                      {20, 0, 0, 20},
                      {10, 0, 10, 20 + arc / 2},
                      {10, -10, kZaTangentPoint, 20 + arc},
                      {10, -30, 0, 40 + arc}});
    EXPECT_THAT(output_, testing::HasSubstr("Vector not tangent to arc at (20.000, 0.000)."));
    EXPECT_EQ(warnings(), 1);
}

TEST_F(AlignmentPath, SegmentsWithNoCircleAreStraights) {
    expectPath(computed({at(0, 0), at(30, 40)}), {{0, 0, 0, 0}, {30, 40, 0, 50}});
    expectPath(computed({at(5, 5, 0.7)}), {{5, 5, 0, 0}});  // one vertex: its bulge starts nothing
    const double nan = std::numeric_limits<double>::quiet_NaN();
    expectPath(computed({at(0, 0, nan), at(10, 0, 0.5), at(10, 0), at(10, 5)}),
               {{0, 0, 0, 0}, {10, 0, 0, 10}, {10, 0, 0, 10}, {10, 5, 0, 15}});
}

TEST(AlignmentList, ARepeatedVertexGoesAndTheCurveBeforeItStays) {
    ZaAlignment list = {at(0, 0), at(20, 0, kQuarter), at(30, 10, 0.3, 5), at(30, 10), at(30, 30), at(30, 30)};
    zaDropRepeatedVertices(list);
    EXPECT_EQ(list, (ZaAlignment{at(0, 0), at(20, 0, kQuarter), at(30, 10), at(30, 30)}));
}

// FixArcs's limit is the command's test.
TEST_F(AlignmentPath, CalcPathHoldsAtMost1600Records) {
    ZaAlignment zigzag;
    for (int i = 0; i < 1599; ++i) zigzag.push_back(at(i, i % 2));
    ZaAlignment list = zigzag;
    ASSERT_TRUE(FixArcs("Pegged", list));
    ASSERT_TRUE(CalcPath("Pegged", list));
    EXPECT_EQ(list.size(), 1599u);

    zigzag[10].bulgeOrRadius = 0.2;  // one more vertex for the curve's IP
    list = zigzag;
    ASSERT_TRUE(FixArcs("Pegged", list));
    EXPECT_FALSE(CalcPath("Pegged", list));
    EXPECT_EQ(list, zigzag);
    EXPECT_THAT(output_, testing::HasSubstr(
                             "\nERROR: Pegged alignment: CalcPath(): Too many vertices for temporary buffer.  (MAX: 1600)"));
}

}  // namespace
