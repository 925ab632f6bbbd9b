#include "shell/text_maker.h"

#include <numbers>

#include "arx/acedads.h"
#include "drawing/entity_list.h"
#include "geometry/host_point.h"

namespace {

// Text groups start with room for the longest name the suite's tables hold.
const std::string kRoom(31, ' ');
constexpr ads_point kOrigin = {0, 0, 0};

const char* orDefault(const char* name, const char* fallback) { return name && *name ? name : fallback; }

resbuf* textList(bool styled) {
    const char* room = kRoom.c_str();
    if (styled) {
        return acutBuildList(RTDXF0, "text", 1, room, 7, room, 8, room, 40, 0.0, 50, 0.0, 10, kOrigin, 11, kOrigin, 72,
                             0, 73, 0, 0);
    }
    return acutBuildList(RTDXF0, "text", 1, room, 8, room, 40, 0.0, 50, 0.0, 10, kOrigin, 11, kOrigin, 72, 0, 73, 0,
                         0);
}

}  // namespace

const char* ZaTextMaker::knownStyle(const char* style) {
    if (!styleLooked_ || style_ != style) {
        style_ = style;
        // Naming a style the drawing lacks would make the host refuse the text.
        styleKnown_ = zadrawing::EntityList(acdbTblSearch("STYLE", style, 0)) != nullptr;
        styleLooked_ = true;
    }
    return styleKnown_ ? style_.c_str() : nullptr;
}

bool ZaTextMaker::make(const ZaTextRecord& record) {
    const int horizontal = record.mode / 10;
    const int vertical = record.mode % 10;
    if (record.mode < 0 || horizontal > 2 || vertical > 2) return false;
    const char* style = knownStyle(orDefault(record.style, "standard"));
    ZaEntityList& list = zaKeptList(style ? styled_ : plain_, [styled = style != nullptr] { return textList(styled); });
    const double rotation = record.rotation / 180.0 * std::numbers::pi;
    const zageometry::HostPoint at(record.point);
    list.text(1, zaSpellTextMarks(record.text ? record.text : "", spelt_))
        .text(8, orDefault(record.layer, "0"))
        .real(40, record.height)
        .real(50, rotation)
        .point(11, at.xyz);
    if (style) list.text(7, style);
    // Left-aligned text needs no width; the box is measured only for the others.
    double width = 0;
    if (horizontal != 0 && (!list.built() || !zaTextWidth(list.list(), record.height, width))) return false;
    const ZaTextAlign align = zaTextPlace(at.xyz, record.height, rotation, horizontal, vertical, width);
    return list.point(10, align.insertion)
        .integer(72, static_cast<short>(align.horizontal))
        .integer(73, static_cast<short>(align.vertical))
        .make();
}
