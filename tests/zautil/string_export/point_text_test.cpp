// The text of an exported point: the layer name padded or shortened, the
// entity tag, the level code, and the 20 characters the files keep.
#include <gtest/gtest.h>

#include "strings/point_text.h"

namespace {

using zastrings::PointTextMaker;

ZaUROutOptions options(bool note, bool last8, int lastChars = 8) {
    ZaUROutOptions o;
    o.createNote = note;
    o.last8Layer = last8;
    o.lastNumberText = lastChars;
    return o;
}

std::string text(const ZaUROutOptions& o, std::string_view layer, std::string_view tag = "LS", bool level = true) {
    PointTextMaker maker(o);
    maker.setLayer(layer);
    return std::string(maker.text(tag, level).view());
}

TEST(PointText, ShortNamesArePaddedBeforeTheTagAndLevelCode) {
    EXPECT_EQ(text(options(true, false), "ROAD"), "ROAD          LSYSYS");
    EXPECT_EQ(text(options(true, false), "ROAD  ", "LE", false), "ROAD          LENUYS");  // trailing blanks go
    EXPECT_EQ(text(options(false, false), "ROAD", "LS", false), "ROAD            NUYS");
    EXPECT_EQ(text(options(false, false), ""), "                YSYS");
    EXPECT_EQ(text(options(true, true), "A B"), "A B           LSYSYS");
}

TEST(PointText, LongNamesKeepTheirLastCharactersOnlyWhenAsked) {
    const std::string twenty = "ABCDEFGHIJ0123456789";
    EXPECT_EQ(text(options(false, true), twenty), "ABCDEFGH23456789YSYS");
    EXPECT_EQ(text(options(true, true), twenty), "ABCDEF23456789LSYSYS");
    EXPECT_EQ(text(options(true, true, 12), twenty), "ABIJ0123456789LSYSYS");
    // Exactly the room: the same name, with or without shortening.
    EXPECT_EQ(text(options(false, true), "ABCDEFGHIJKLMNOP"), "ABCDEFGHIJKLMNOPYSYS");
    // Not shortened: the files keep the first 20 characters of the name.
    EXPECT_EQ(text(options(true, false), twenty), twenty);
    EXPECT_EQ(text(options(false, false), "ABCDEFGHIJKLMNOPQR"), "ABCDEFGHIJKLMNOPQRYS");
}

TEST(PointText, TheLastCharactersAreKeptWithinOneToTwelve) {
    const std::string twenty = "ABCDEFGHIJ0123456789";
    EXPECT_EQ(text(options(false, true, 0), twenty), "ABCDEFGHIJ012349YSYS");
    EXPECT_EQ(text(options(false, true, 40), twenty), "ABCDIJ0123456789YSYS");
}

TEST(PointText, OneMakerServesEveryPointOfAnEntity) {
    const ZaUROutOptions o = options(true, false);
    PointTextMaker maker(o);
    maker.setLayer("KERB");
    EXPECT_EQ(maker.text("LS", true).view(), "KERB          LSYSYS");
    EXPECT_EQ(maker.text("LE", false).view(), "KERB          LENUYS");
    maker.setLayer("FENCE_NORTH_BOUNDARY_OLD");
    EXPECT_EQ(maker.text("pl", true).view(), "FENCE_NORTH_BOUNDARY");
    maker.setLayer("MH");
    EXPECT_EQ(maker.text("ar", true).view(), "MH            arYSYS");
}

}  // namespace
