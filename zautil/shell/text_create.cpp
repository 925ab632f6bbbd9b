#include "shell/text_create.h"

#include <cmath>
#include <numbers>
#include <string>

#include "arx/acedads.h"
#include "shell/text_maker.h"

namespace {

constexpr int kMostMarksOfAKind = 10;

// Fractions of the height (vertical) and of the width (horizontal) from the
// insertion point back to the alignment point, by part of the mode.
constexpr double kShare[] = {0.0, 0.5, 1.0};
constexpr int kGroup73[] = {0, 2, 3};

}  // namespace

bool zaTextWidth(const resbuf* text, double height, double& width) {
    ads_point lowerLeft;
    ads_point upperRight;
    if (acedTextBox(text, lowerLeft, upperRight) != RTNORM) return false;
    const double diagonal = acutDistance(lowerLeft, upperRight);
    // A box lower than the height would give the root of a negative number;
    // such a text has no width to speak of.
    const double squared = diagonal * diagonal - height * height;
    width = squared > 0 ? std::sqrt(squared) : 0.0;
    return true;
}

ZaTextAlign zaTextPlace(const ads_point align, double height, double rotation, int horizontal, int vertical,
                        double width) {
    constexpr double pi = std::numbers::pi;
    ads_point down;
    ads_point at;
    acutPolar(align, rotation + 1.5 * pi, height * kShare[vertical], down);
    acutPolar(down, rotation + pi, width * kShare[horizontal], at);
    return {{at[X], at[Y], at[Z]}, horizontal, kGroup73[vertical]};
}

bool zaTextAlignPoint(const resbuf* text, const ads_point align, double height, double rotation, int mode,
                      ZaTextAlign& result) {
    const int horizontal = mode / 10;
    const int vertical = mode % 10;
    if (mode < 0 || horizontal > 2 || vertical > 2) return false;
    double width = 0;
    if (!zaTextWidth(text, height, width)) return false;
    result = zaTextPlace(align, height, rotation, horizontal, vertical, width);
    return true;
}

// The suite's files mark a degree sign with 127 and a diameter sign with 128;
// the host spells them %%d and %%c, at most ten of each.
const char* zaSpellTextMarks(const char* text, std::string& spelt) {
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

bool zaMakeText(const ZaTextRecord& record) { return ZaTextMaker().make(record); }
