// Making the read polylines ready: reversed with their arcs, and vertices
// that repeat. (Which way each runs is the command's test.)
#include "alignment/alignment_list.h"

#include <gmock/gmock.h>

#include <cmath>
#include <numbers>

#include "alignment/alignment_path.h"
#include "host_fixture.h"

namespace {

const double kQuarter = std::tan(std::numbers::pi / 8);

ZaAlignmentVertex at(double x, double y, double bulge = 0, double z = 0) { return {x, y, z, bulge, 0}; }

// Straight, quarter curve to the left, straight.
ZaAlignment road() { return {at(0, 0, 0, 1), at(20, 0, kQuarter, 2), at(30, 10, 0, 3), at(30, 30, 0, 4)}; }

using AlignmentList = HostTest;  // the path computation prints

TEST_F(AlignmentList, AReversedListKeepsEveryArcAndItsIP) {
    ZaAlignment list = road();
    list.back().bulgeOrRadius = 0.9;  // describes no segment; must not become one
    zaReverseAlignment(list);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0], at(30, 30, 0, 4));
    EXPECT_EQ(list[1], at(30, 10, -kQuarter, 3)) << "the curve now starts here, turning right";
    EXPECT_EQ(list[2], at(20, 0, 0, 2));
    EXPECT_EQ(list[3], at(0, 0, 0, 1));

    ASSERT_TRUE(CalcPath("Pegged", list));
    ASSERT_EQ(list.size(), 5u);
    EXPECT_NEAR(list[2].x, 30, 1e-9);
    EXPECT_NEAR(list[2].y, 0, 1e-9);
    EXPECT_NEAR(list[2].bulgeOrRadius, 10, 1e-9);
    EXPECT_NEAR(list.back().chainage, 40 + 5 * std::numbers::pi, 1e-9);
    EXPECT_EQ(output_.find("WARNING"), std::string::npos);
}

TEST_F(AlignmentList, ARepeatedVertexGoesAndTheCurveBeforeItStays) {
    ZaAlignment list = {at(0, 0), at(20, 0, kQuarter), at(30, 10, 0.3, 5), at(30, 10), at(30, 30), at(30, 30)};
    zaDropRepeatedVertices(list);
    EXPECT_EQ(list, (ZaAlignment{at(0, 0), at(20, 0, kQuarter), at(30, 10), at(30, 30)}));
}

}  // namespace
