// acdbRToS, acutWcMatch and acedTextBox through the host API, with the
// drawing's header variables and text styles.
#include <cmath>
#include <cstring>
#include <utility>

#include <gtest/gtest.h>

#include "arx/acedads.h"
#include "zcad/database.h"
#include "zcad/host_test.h"

namespace {

class HostText : public ::testing::Test {
protected:
    void SetUp() override { zcad::test::resetHost(); }
    zcad::Database& db() { return zcad::currentDatabase(); }
    void addStyle(const char* name, double height, double widthFactor) {
        zcad::TableRecord style;
        style.groups = {zcad::OwnedGroup::string(2, name), zcad::OwnedGroup::integral(70, 0),
                        zcad::OwnedGroup::real(40, height), zcad::OwnedGroup::real(41, widthFactor)};
        db().styles().add(style);
    }
    // The box of a list (released here): upper-right x and y.
    std::pair<double, double> box(resbuf* list) {
        ads_point ll{9, 9, 9}, ur;
        const int rc = acedTextBox(list, ll, ur);
        acutRelRb(list);
        EXPECT_EQ(rc, RTNORM);
        EXPECT_EQ(ll[X], 0.0);
        EXPECT_EQ(ll[Y], 0.0);
        EXPECT_EQ(ll[Z], 0.0);
        return {ur[X], ur[Y]};
    }
};

TEST_F(HostText, RToSFollowsTheDrawingsUnitsAndPrecision) {
    char buf[64];
    ASSERT_EQ(acdbRToS(1.23456, 2, -1, buf), RTNORM);
    EXPECT_STREQ(buf, "1.2346");
    db().setHeaderVar("$LUPREC", {zcad::OwnedGroup::integral(70, 2)});
    ASSERT_EQ(acdbRToS(-0.125, 2, -1, buf), RTNORM);
    EXPECT_STREQ(buf, "-0.13");
    db().setHeaderVar("$LUNITS", {zcad::OwnedGroup::integral(70, 1)});
    ASSERT_EQ(acdbRToS(17.5, -1, 3, buf), RTNORM);
    EXPECT_STREQ(buf, "1.750E+01");
}

TEST_F(HostText, RToSRefusesASmallBufferWithoutWritingPastIt) {
    char buf[16];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(acdbRToS(1.23456, 2, 4, buf, 6), RTERROR);  // "1.2346" needs 7
    for (std::size_t i = 6; i < sizeof buf; ++i) EXPECT_EQ(buf[i], 'x') << i;
    ASSERT_EQ(acdbRToS(1.23456, 2, 4, buf, 7), RTNORM);
    EXPECT_STREQ(buf, "1.2346");
    EXPECT_EQ(buf[7], 'x');
}

TEST_F(HostText, RToSRefusesBadArguments) {
    char buf[32];
    EXPECT_EQ(acdbRToS(1, 0, 2, buf), RTERROR);
    EXPECT_EQ(acdbRToS(1, 6, 2, buf), RTERROR);
    EXPECT_EQ(acdbRToS(1, 2, 9, buf), RTERROR);
    EXPECT_EQ(acdbRToS(NAN, 2, 2, buf), RTERROR);
    EXPECT_EQ(acdbRToS(1, 2, 2, nullptr, 10), RTERROR);
}

TEST_F(HostText, WcMatchAnswersInHostCodes) {
    EXPECT_EQ(acutWcMatch("kerb12", "road*,kerb##"), RTNORM);
    EXPECT_EQ(acutWcMatch("kerb1x", "road*,kerb##"), RTERROR);
    EXPECT_EQ(acutWcMatch(nullptr, "*"), RTERROR);
    EXPECT_EQ(acutWcMatch("a", nullptr), RTERROR);
}

TEST_F(HostText, TextBoxIsOneCellPerCharacterAtTheInsertionPoint) {
    const ads_point at{5, 5, 0};
    const auto [w, h] = box(acutBuildList(RTDXF0, "TEXT", 1, "AB%%d", 10, at, 40, 2.0, 0));
    EXPECT_DOUBLE_EQ(w, 6.0);
    EXPECT_DOUBLE_EQ(h, 2.0);
    // The module takes the width from the diagonal and the height.
    const double d = std::hypot(w, h);
    EXPECT_NEAR(std::sqrt(d * d - 2.0 * 2.0), 6.0, 1e-12);
}

TEST_F(HostText, TextBoxTakesTheWidthFactorFromTheListOrTheStyle) {
    addStyle("NARROW", 0.0, 0.5);
    EXPECT_DOUBLE_EQ(box(acutBuildList(1, "ROAD", 40, 2.0, 7, "narrow", 0)).first, 4 * 2.0 * 0.5);
    EXPECT_DOUBLE_EQ(box(acutBuildList(1, "ROAD", 40, 2.0, 7, "NARROW", 41, 1.5, 0)).first, 4 * 2.0 * 1.5);
}

TEST_F(HostText, TextBoxHeightFallsBackToAFixedStyleHeightThenTheDrawing) {
    addStyle("FIXED", 3.0, 1.0);
    EXPECT_DOUBLE_EQ(box(acutBuildList(1, "AB", 7, "FIXED", 0)).second, 3.0);
    db().setHeaderVar("$TEXTSIZE", {zcad::OwnedGroup::real(40, 5.0)});
    const auto [w, h] = box(acutBuildList(1, "AB", 7, "NO SUCH STYLE", 0));
    EXPECT_DOUBLE_EQ(w, 10.0);
    EXPECT_DOUBLE_EQ(h, 5.0);
}

TEST_F(HostText, TextBoxRefusesAListWithoutText) {
    ads_point ll, ur;
    EXPECT_EQ(acedTextBox(nullptr, ll, ur), RTERROR);
    resbuf* list = acutBuildList(RTDXF0, "TEXT", 40, 2.0, 0);
    EXPECT_EQ(acedTextBox(list, ll, ur), RTERROR);
    acutRelRb(list);
}

}  // namespace
