// The kept text lists make exactly the entities that a list built, measured
// and released per text made: every mode, both marks, styles known and
// unknown, turned texts, and texts longer than the kept room.
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

#include "drawing/entity_list.h"
#include "drawn.h"
#include "geometry/host_point.h"
#include "host_fixture.h"
#include "shell/text_maker.h"

namespace {

// A text built the simple way: a fresh list per text, the style looked up
// and the box measured every time, the alignment groups appended.
bool makeOneByOne(const ZaTextRecord& record) {
    const char* style = record.style && *record.style ? record.style : "standard";
    const char* layer = record.layer && *record.layer ? record.layer : "0";
    std::string spelt;
    const char* text = zaSpellTextMarks(record.text ? record.text : "", spelt);
    const double rotation = record.rotation / 180.0 * std::numbers::pi;
    const zageometry::HostPoint at(record.point);
    const bool known = zadrawing::EntityList(acdbTblSearch("STYLE", style, 0)) != nullptr;
    const double height = record.height;
    zadrawing::EntityList list(
        known ? acutBuildList(RTDXF0, "text", 1, text, 7, style, 8, layer, 40, height, 50, rotation, 10, at.xyz, 0)
              : acutBuildList(RTDXF0, "text", 1, text, 8, layer, 40, height, 50, rotation, 10, at.xyz, 0));
    ZaTextAlign align;
    if (!list || !zaTextAlignPoint(list.get(), at.xyz, height, rotation, record.mode, align)) return false;
    resbuf* last = list.get();
    while (last->rbnext) last = last->rbnext;
    last->rbnext = acutBuildList(11, at.xyz, 72, align.horizontal, 73, align.vertical, 0);
    for (resbuf* rb = list.get(); rb; rb = rb->rbnext) {
        if (rb->restype == 10) ads_point_set(zageometry::HostPoint(align.insertion), rb->resval.rpoint);
    }
    return acdbEntMake(list.get()) == RTNORM;
}

// Every group but the entity's own name and handle, values bit for bit.
std::string groupsOf(const resbuf* list) {
    std::string out;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == -1 || rb->restype == 5 || rb->restype == 330) continue;
        out += std::to_string(rb->restype) + "=";
        if (rb->restype >= 10 && rb->restype < 20) {
            out.append(reinterpret_cast<const char*>(rb->resval.rpoint), sizeof(ads_point));
        } else if (rb->restype >= 40 && rb->restype < 60) {
            out.append(reinterpret_cast<const char*>(&rb->resval.rreal), sizeof(double));
        } else if (rb->restype < 10) {
            out += rb->resval.rstring;
        } else {
            out += std::to_string(rb->resval.rint);
        }
        out += '|';
    }
    return out;
}

class TextMaker : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        zcad::TableRecord wide;
        wide.groups = {zcad::OwnedGroup::string(2, "Wide"), zcad::OwnedGroup::real(40, 0.0),
                       zcad::OwnedGroup::real(41, 1.75)};
        db().styles().add(std::move(wide));
    }
};

TEST_F(TextMaker, KeptListsMakeWhatAListPerTextMade) {
    const std::string longText = "a text well beyond the room the kept list starts with, marks \x7f and \x80 too";
    std::vector<ZaTextRecord> records;
    for (const int mode : {0, 1, 2, 10, 11, 12, 20, 21, 22}) {
        for (const double rotation : {0.0, 33.5, -90.0, 270.0}) {
            for (const char* style : {"Wide", "standard", "no such style", ""}) {
                records.push_back({"127.450", {-0.0, 2e6 + mode, -3.25}, 2.5, rotation, "LEVELS", mode, style});
            }
        }
        records.push_back({"45\x7f 30'", {10, 20, 0}, 1.8, 12, "", mode, nullptr});
        records.push_back({"\x80" "300 pipe", {-5, -7, 1}, 0.35, 0, "PIPES", mode, "Wide"});
        records.push_back({longText.c_str(), {1, 2, 3}, 3, 45, "a layer name longer than the room kept for one",
                           mode, "Wide"});
        records.push_back({"", {0, 0, 0}, 1, 0, nullptr, mode, "standard"});
        records.push_back({"x", {1, 1, 1}, 1e160, 0, "BIG", mode, "Wide"});
    }
    for (const ZaTextRecord& record : records) ASSERT_TRUE(makeOneByOne(record)) << record.text << " " << record.mode;
    ZaTextMaker maker;
    for (const ZaTextRecord& record : records) ASSERT_TRUE(maker.make(record)) << record.text << " " << record.mode;

    const auto drawn = drawnEntities();
    ASSERT_EQ(drawn.size(), 2 * records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(std::to_string(i) + ": " + records[i].text + " mode " + std::to_string(records[i].mode));
        const resbuf* before = drawn[i].at(0);
        const resbuf* after = drawn[records.size() + i].at(0);
        EXPECT_EQ(groupsOf(before), groupsOf(after));
    }
}

TEST_F(TextMaker, UnknownModesMakeNothingAndLeaveTheMakerWorking) {
    ZaTextMaker maker;
    for (const int mode : {-1, 3, 13, 23, 30}) {
        EXPECT_FALSE(maker.make({"1.0", {0, 0, 0}, 1, 0, "L", mode, nullptr})) << mode;
    }
    EXPECT_EQ(drawnTypes(), "");
    EXPECT_TRUE(maker.make({"1.0", {0, 0, 0}, 1, 0, "L", 22, nullptr}));
    EXPECT_EQ(drawnTypes(), "TEXT ");
}

}  // namespace
