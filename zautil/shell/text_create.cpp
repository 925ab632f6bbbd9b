#include "shell/text_create.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "arx/acedads.h"
#include "shell/entity_create.h"
#include "drawing/entity_list.h"
#include "geometry/host_point.h"

namespace {

constexpr int kMostMarksOfAKind = 10;

const char* orDefault(const char* name, const char* fallback) { return name && *name ? name : fallback; }

// The suite's files mark a degree sign with 127 and a diameter sign with 128;
// the host spells them %%d and %%c. Returns the text itself when it holds no
// marks, so the common case copies nothing.
const char* spellMarks(const char* text, std::string& spelt) {
    const auto isMark = [](char c) { return c == '\x7f' || c == '\x80'; };
    const char* first = text;
    while (*first && !isMark(*first)) ++first;
    if (!*first) return text;
    spelt.assign(text, first);
    int degrees = 0;
    int diameters = 0;
    for (const char* c = first; *c; ++c) {
        if (*c == '\x7f' && degrees < kMostMarksOfAKind) {
            spelt += "%%d";
            ++degrees;
            continue;
        }
        if (*c == '\x80' && diameters < kMostMarksOfAKind) {
            spelt += "%%c";
            ++diameters;
            continue;
        }
        spelt += *c;
    }
    return spelt.c_str();
}

// Naming a style the drawing lacks would make the host refuse the text.
bool styleExists(const char* style) {
    return zadrawing::EntityList(acdbTblSearch("STYLE", style, 0)) != nullptr;
}

resbuf* textList(const char* text, const char* style, const char* layer, double height, double rotation,
                 const ads_point point) {
    if (style) return acutBuildList(RTDXF0, "text", 1, text, 7, style, 8, layer, 40, height, 50, rotation, 10, point, 0);
    return acutBuildList(RTDXF0, "text", 1, text, 8, layer, 40, height, 50, rotation, 10, point, 0);
}

resbuf* lastOf(resbuf* list) {
    while (list->rbnext) list = list->rbnext;
    return list;
}

// Fractions of the height (vertical) and of the width (horizontal) from the
// insertion point back to the alignment point, by part of the mode.
constexpr double kShare[] = {0.0, 0.5, 1.0};
constexpr int kGroup73[] = {0, 2, 3};

}  // namespace

bool zaTextAlignPoint(const resbuf* text, const ads_point align, double height, double rotation, int mode,
                      ZaTextAlign& result) {
    const int horizontal = mode / 10;
    const int vertical = mode % 10;
    if (mode < 0 || horizontal > 2 || vertical > 2) return false;
    ads_point lowerLeft;
    ads_point upperRight;
    if (acedTextBox(text, lowerLeft, upperRight) != RTNORM) return false;
    const double diagonal = acutDistance(lowerLeft, upperRight);
    // A box lower than the height would give the root of a negative number;
    // such a text has no width to speak of.
    const double squared = diagonal * diagonal - height * height;
    const double width = squared > 0 ? std::sqrt(squared) : 0.0;

    constexpr double pi = std::numbers::pi;
    ads_point down;
    ads_point at;
    acutPolar(align, rotation + 1.5 * pi, height * kShare[vertical], down);
    acutPolar(down, rotation + pi, width * kShare[horizontal], at);
    result.insertion = {at[X], at[Y], at[Z]};
    result.horizontal = horizontal;
    result.vertical = kGroup73[vertical];
    return true;
}

bool zaMakeText(const ZaTextRecord& record) {
    const char* style = orDefault(record.style, "standard");
    const char* layer = orDefault(record.layer, "0");
    std::string spelt;
    const char* text = spellMarks(record.text ? record.text : "", spelt);
    const double rotation = record.rotation / 180.0 * std::numbers::pi;

    const zageometry::HostPoint at(record.point);
    const char* knownStyle = styleExists(style) ? style : nullptr;
    zadrawing::EntityList list(textList(text, knownStyle, layer, record.height, rotation, at));
    if (!list) return false;
    ZaTextAlign align;
    if (!zaTextAlignPoint(list.get(), at, record.height, rotation, record.mode, align)) return false;
    // The measured list becomes the final one: only its insertion point
    // changes and the alignment groups follow.
    resbuf* tail = acutBuildList(11, at.xyz, 72, align.horizontal, 73, align.vertical, 0);
    if (!tail) return false;
    resbuf* insertion = list.get();
    while (insertion->restype != 10) insertion = insertion->rbnext;
    ads_point_set(zageometry::HostPoint(align.insertion), insertion->resval.rpoint);
    lastOf(list.get())->rbnext = tail;
    return zaCreateEntity(list.release());
}
