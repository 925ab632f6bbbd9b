#include <cstdio>

#include "arx/acedads.h"
#include "commands/zoom_view.h"
#include "host_fixture.h"

namespace zcad::testing {
namespace {

using ViewCommandTest = HostTest;

std::string corner(double x, double y) {
    char text[64];
    std::snprintf(text, sizeof text, "%13.3f,%13.3f", x, y);
    return text;
}

// Blank-padded corner words, and point words; a window too wide for the
// display's aspect is widened, a tall one keeps its height.
TEST_F(ViewCommandTest, ZoomWindowFitsTheWindowAtTheDisplaysAspect) {
    const std::string low = corner(1000.0, 2000.0);
    const std::string high = corner(1300.0, 2100.0);
    ASSERT_EQ(low.front(), ' ');
    EXPECT_EQ(acedCommandS(RTSTR, "zoom", RTSTR, "w", RTSTR, low.c_str(), RTSTR, high.c_str(), RTNONE), RTNORM);
    EXPECT_EQ(acedCommandS(RTNONE), RTNORM);
    ASSERT_TRUE(db().view.set);
    EXPECT_DOUBLE_EQ(db().view.centre[0], 1150.0);
    EXPECT_DOUBLE_EQ(db().view.centre[1], 2050.0);
    EXPECT_DOUBLE_EQ(db().view.height, 300.0 / commands::kViewAspect);
    EXPECT_EQ(takePrinted(), "");

    const double a[3] = {0, 0, 0};
    const double b[3] = {10, 40, 0};
    EXPECT_EQ(acedCommandS(RTSTR, "ZOOM", RTPOINT, a, RTPOINT, b, RTNONE), RTNORM);
    EXPECT_DOUBLE_EQ(db().view.centre[0], 5.0);
    EXPECT_DOUBLE_EQ(db().view.centre[1], 20.0);
    EXPECT_DOUBLE_EQ(db().view.height, 40.0);
}

TEST_F(ViewCommandTest, ZoomWindowRefusesCornersThatAreNoPointsOrNoWindow) {
    EXPECT_EQ(acedCommandS(RTSTR, "zoom", RTSTR, "w", RTSTR, "1,x", RTNONE), RTREJ);
    EXPECT_EQ(takePrinted(), "Invalid point.\n");
    EXPECT_EQ(acedCommandS(RTSTR, "zoom", RTSTR, "w", RTSTR, "1,1", RTSTR, "1,1", RTNONE), RTREJ);
    EXPECT_FALSE(db().view.set);
    EXPECT_FALSE(commands::commandProcessor().busy());
}

TEST_F(ViewCommandTest, ZoomExtentsShowsModelSpaceEntities) {
    ListBuilder("LINE").point(10, -5, 0).point(11, 5, 2).append(db());
    ListBuilder("CIRCLE").point(10, 0, 10).real(40, 2).append(db());
    ListBuilder("POINT").point(10, 500, 500).integer(67, 1).append(db());  // paper space

    EXPECT_EQ(acedCommandS(RTSTR, "zoom", RTSTR, "e", RTNONE), RTNORM);
    ASSERT_TRUE(db().view.set);
    EXPECT_DOUBLE_EQ(db().view.centre[0], 0.0);
    EXPECT_DOUBLE_EQ(db().view.centre[1], 6.0);
    EXPECT_DOUBLE_EQ(db().view.height, 12.0);
}

TEST_F(ViewCommandTest, ZoomExtentsOfAnEmptyDrawingChangesNothing) {
    db().view.set = true;
    db().view.centre[0] = 3;
    db().view.height = 7;
    EXPECT_EQ(acedCommandS(RTSTR, "zoom", RTSTR, "extents", RTNONE), RTNORM);
    EXPECT_DOUBLE_EQ(db().view.centre[0], 3.0);
    EXPECT_DOUBLE_EQ(db().view.height, 7.0);
}

TEST_F(ViewCommandTest, PdmodeLandsInTheHeader) {
    EXPECT_EQ(acedCommandS(RTSTR, "pdmode", RTSTR, "3", RTNONE), RTNORM);
    const HeaderVar* mode = db().headerVar("$PDMODE");
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->groups.front().code, 70);
    EXPECT_EQ(mode->groups.front().integer, 3);
}

TEST_F(ViewCommandTest, PdmodeRefusesWhatIsNoPointMode) {
    EXPECT_EQ(acedCommandS(RTSTR, "pdmode", RTSTR, "7", RTNONE), RTREJ);
    EXPECT_EQ(acedCommandS(RTSTR, "pdmode", RTSTR, "three", RTNONE), RTREJ);
    EXPECT_EQ(db().headerVar("$PDMODE")->groups.front().integer, 0);
}

}  // namespace
}  // namespace zcad::testing
