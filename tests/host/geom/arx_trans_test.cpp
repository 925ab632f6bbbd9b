// acedTrans and the point utilities through the host API, against the
// current drawing's UCS and entities.
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "arx/acedads.h"
#include "zcad/database.h"
#include "zcad/host_test.h"

namespace {

resbuf coords(short restype, double x, double y = 0, double z = 0) {
    resbuf rb{};
    rb.restype = restype;
    if (restype == RTSHORT) rb.resval.rint = static_cast<short>(x);
    if (restype == RT3DPOINT) {
        rb.resval.rpoint[X] = x;
        rb.resval.rpoint[Y] = y;
        rb.resval.rpoint[Z] = z;
    }
    return rb;
}

void expectPoint(const ads_point p, double x, double y, double z) {
    EXPECT_NEAR(p[X], x, 1e-9);
    EXPECT_NEAR(p[Y], y, 1e-9);
    EXPECT_NEAR(p[Z], z, 1e-9);
}

class Trans : public ::testing::Test {
protected:
    void SetUp() override { zcad::test::resetHost(); }
    const resbuf world = coords(RTSHORT, 0);
    const resbuf user = coords(RTSHORT, 1);
};

TEST_F(Trans, UserSystemComesFromTheDrawing) {
    ads_point p{11, 22, 5};
    ads_point r;
    ASSERT_EQ(acedTrans(p, &world, &user, 0, r), RTNORM);
    expectPoint(r, 11, 22, 5);  // no UCS: the world

    // Rotated 90 degrees about world z with its origin at (10, 20, 5).
    auto& db = zcad::currentDatabase();
    db.setHeaderVar("$UCSORG", {zcad::OwnedGroup::point(10, 10, 20, 5)});
    db.setHeaderVar("$UCSXDIR", {zcad::OwnedGroup::point(10, 0, 1, 0)});
    db.setHeaderVar("$UCSYDIR", {zcad::OwnedGroup::point(10, -1, 0, 0)});
    ASSERT_EQ(acedTrans(p, &world, &user, 0, r), RTNORM);
    expectPoint(r, 2, -1, 0);
    ASSERT_EQ(acedTrans(r, &user, &world, 0, r), RTNORM);  // result may alias the point
    expectPoint(r, 11, 22, 5);
    const resbuf display = coords(RTSHORT, 2);
    ASSERT_EQ(acedTrans(p, &world, &display, 0, r), RTNORM);
    expectPoint(r, 2, -1, 0);
    const ads_point v{1, 2, 0};
    ASSERT_EQ(acedTrans(v, &world, &user, 1, r), RTNORM);  // a vector: no origin
    expectPoint(r, 2, -1, 0);
    const resbuf down = coords(RT3DPOINT, 0, 0, -1);
    const ads_point q{1, 2, 3};
    ASSERT_EQ(acedTrans(q, &down, &user, 0, r), RTNORM);
    expectPoint(r, -18, 11, -8);
}

TEST_F(Trans, RefusesBadArguments) {
    const resbuf paper = coords(RTSHORT, 3), zero = coords(RT3DPOINT, 0, 0, 0), text = coords(RTSTR, 0);
    const ads_point p{1, 2, 3};
    ads_point r;
    EXPECT_EQ(acedTrans(nullptr, &world, &world, 0, r), RTERROR);
    EXPECT_EQ(acedTrans(p, &world, &world, 0, nullptr), RTERROR);
    EXPECT_EQ(acedTrans(p, nullptr, &world, 0, r), RTERROR);
    EXPECT_EQ(acedTrans(p, &world, &paper, 0, r), RTERROR);
    EXPECT_EQ(acedTrans(p, &zero, &world, 0, r), RTERROR);
    EXPECT_EQ(acedTrans(p, &text, &world, 0, r), RTERROR);
}

TEST_F(Trans, EntityNameUsesItsExtrusionOrTheWorld) {
    const ads_point centre{1, 2, 3}, down{0, 0, -1}, end{4, 5, 6};
    resbuf* circle = acutBuildList(RTDXF0, "CIRCLE", 8, "0", 10, centre, 40, 1.0, 210, down, 0);
    ASSERT_EQ(acdbEntMake(circle), RTNORM);
    acutRelRb(circle);
    resbuf ofCircle = coords(RTENAME, 0);
    ASSERT_EQ(acdbEntLast(ofCircle.resval.rlname), RTNORM);
    resbuf* line = acutBuildList(RTDXF0, "LINE", 8, "0", 10, centre, 11, end, 210, down, 0);
    ASSERT_EQ(acdbEntMake(line), RTNORM);
    acutRelRb(line);
    resbuf ofLine = coords(RTENAME, 0);
    ASSERT_EQ(acdbEntLast(ofLine.resval.rlname), RTNORM);

    ads_point r;
    ASSERT_EQ(acedTrans(centre, &ofCircle, &world, 0, r), RTNORM);
    expectPoint(r, -1, 2, -3);
    ASSERT_EQ(acedTrans(centre, &ofLine, &world, 0, r), RTNORM);  // a line's points are world points
    expectPoint(r, 1, 2, 3);
    ASSERT_EQ(acdbEntDel(ofCircle.resval.rlname), RTNORM);
    EXPECT_EQ(acedTrans(centre, &ofCircle, &world, 0, r), RTERROR);
}

TEST(PointUtilities, PolarAngleAndDistance) {
    ads_point p{1, 1, 7};
    acutPolar(p, std::numbers::pi / 2, 2, p);
    expectPoint(p, 1, 3, 7);

    const ads_point o{1, 1, 0}, southWest{0, 0, 0}, nearlyEast{2, 1 - 1e-20, 0};
    EXPECT_NEAR(acutAngle(o, southWest), 1.25 * std::numbers::pi, 1e-12);
    const double a = acutAngle(o, nearlyEast);  // must not round up to a full turn
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, 2 * std::numbers::pi);

    const ads_point b{1, 2, 2};
    EXPECT_DOUBLE_EQ(acutDistance(southWest, b), 3.0);
}

}  // namespace
