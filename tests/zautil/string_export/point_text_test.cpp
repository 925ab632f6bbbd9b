// The text of an exported point: the layer name padded or shortened, the
// entity tag, the level code, and the 20 characters the files keep.
#include <gtest/gtest.h>

#include "string_export/point_text.h"

namespace {

using zastringexport::PointTextMaker;

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

// Padded short names and exported entities are checked through the
// converters and the end-to-end oracle; these are the edges.
TEST(PointText, NamesArePaddedOrShortenedAroundTheTagAndLevelCode) {
    const std::string twenty = "ABCDEFGHIJ0123456789";
    struct Row {
        ZaUROutOptions options;
        std::string layer;
        const char* tag;
        bool level;
        const char* expected;
    };
    const Row rows[] = {
        {options(true, false), "ROAD  ", "LE", false, "ROAD          LENUYS"},  // trailing blanks go
        {options(false, false), "ROAD", "LS", false, "ROAD            NUYS"},
        {options(false, false), "", "LS", true, "                YSYS"},
        {options(false, true), twenty, "LS", true, "ABCDEFGH23456789YSYS"},
        {options(true, true), twenty, "LS", true, "ABCDEF23456789LSYSYS"},
        {options(true, true, 12), twenty, "LS", true, "ABIJ0123456789LSYSYS"},
        // Exactly the room: the same name, with or without shortening.
        {options(false, true), "ABCDEFGHIJKLMNOP", "LS", true, "ABCDEFGHIJKLMNOPYSYS"},
        // Not shortened: the files keep the first 20 characters of the name.
        {options(true, false), twenty, "LS", true, "ABCDEFGHIJ0123456789"},
        {options(false, false), "ABCDEFGHIJKLMNOPQR", "LS", true, "ABCDEFGHIJKLMNOPQRYS"},
        // The last characters kept are within one to twelve.
        {options(false, true, 0), twenty, "LS", true, "ABCDEFGHIJ012349YSYS"},
        {options(false, true, 40), twenty, "LS", true, "ABCDIJ0123456789YSYS"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(text(row.options, row.layer, row.tag, row.level), row.expected) << row.layer;
    }
}

}  // namespace
