#include <numbers>
#include <string>

#include "drawn.h"
#include "host_fixture.h"
#include "shell/text_create.h"

namespace {

using Texts = HostTest;

// The host measures each character one height wide: "ABCD" at height 2 is 8 wide.
ZaTextRecord abcd(int mode, double rotation = 0) {
    return ZaTextRecord{"ABCD", {100, 200, 5}, 2, rotation, "Levels", mode, nullptr};
}

void expectNear(const ZaPoint& actual, const ZaPoint& expected) {
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-9) << "coordinate " << i;
}

TEST_F(Texts, ModeSetsInsertionPointAndAlignmentGroups) {
    const struct { int mode; ZaPoint insertion; int h, v; } rows[] = {
        {1, {100, 199, 5}, 0, 2}, {2, {100, 198, 5}, 0, 3}, {10, {96, 200, 5}, 1, 0},
        {11, {96, 199, 5}, 1, 2}, {20, {92, 200, 5}, 2, 0}, {22, {92, 198, 5}, 2, 3},
    };
    for (const auto& row : rows) ASSERT_TRUE(zaMakeText(abcd(row.mode))) << row.mode;
    ASSERT_TRUE(zaMakeText(abcd(0)));
    const auto drawn = drawnEntities();
    ASSERT_EQ(drawn.size(), 7u);
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(rows[i].mode);
        expectNear(drawn[i].point(10), rows[i].insertion);
        EXPECT_EQ(drawn[i].point(11), (ZaPoint{100, 200, 5}));
        EXPECT_EQ(drawn[i].flags(72), rows[i].h);
        EXPECT_EQ(drawn[i].flags(73), rows[i].v);
    }
    const Drawn& plain = drawn[6];
    EXPECT_EQ(plain.point(10), plain.point(11));
    EXPECT_EQ(plain.flags(72) + plain.flags(73), 0);
    EXPECT_EQ(plain.text(1) + "|" + plain.text(8), "ABCD|Levels");
}

TEST_F(Texts, RotationTurnsTheOffsetsWithTheText) {
    ASSERT_TRUE(zaMakeText(abcd(22, 90)));
    const auto drawn = drawnEntities();
    EXPECT_NEAR(drawn[0].real(50), std::numbers::pi / 2, 1e-12);
    expectNear(drawn[0].point(10), {102, 192, 5});  // down is +x, back is -y
}

TEST_F(Texts, UnknownModeOrUnmeasurableTextDrawsNothing) {
    for (const int mode : {-1, 3, 13, 23, 30}) EXPECT_FALSE(zaMakeText(abcd(mode))) << mode;
    EXPECT_EQ(drawnTypes(), "");
    const ads_point at = {0, 0, 0};
    resbuf* noText = acutBuildList(RTDXF0, "text", 40, 1.0, 10, at, 0);
    ZaTextAlign align;
    EXPECT_FALSE(zaTextAlignPoint(noText, at, 1.0, 0.0, 0, align));
    acutRelRb(noText);
}

TEST_F(Texts, DegreeAndDiameterMarksAreSpeltOutTenOfEachAtMost) {
    const std::string eleven(11, '\x7f');
    for (const char* text : {"12\x7f", "\x80" "50 pipe \x7f", eleven.c_str()}) {
        ZaTextRecord t = abcd(0);
        t.text = text;
        ASSERT_TRUE(zaMakeText(t));
    }
    std::string ten;
    for (int i = 0; i < 10; ++i) ten += "%%d";
    const auto drawn = drawnEntities();
    EXPECT_EQ(drawn[0].text(1), "12%%d");
    EXPECT_EQ(drawn[1].text(1), "%%c50 pipe %%d");
    EXPECT_EQ(drawn[2].text(1), ten + "\x7f");
}

TEST_F(Texts, StyleIsNamedOnlyWhenTheDrawingHasIt) {
    ZaTextRecord t = abcd(0);
    t.style = "no such style";
    EXPECT_TRUE(zaMakeText(t));
    t.style = nullptr;
    t.layer = "";
    EXPECT_TRUE(zaMakeText(t));
    const auto drawn = drawnEntities();
    EXPECT_EQ(drawn[0].at(7), nullptr);
    EXPECT_EQ(drawn[1].text(7) + "|" + drawn[1].text(8), "standard|0");
}

}  // namespace
