// Single-line TEXT placed by a justification mode, its insertion point worked
// out from the host's text box.
#pragma once

#include <string>

#include "arx/adsdef.h"
#include "shell/entity_maker.h"

// Mode: horizontal part times ten plus vertical part. Horizontal 0, 1, 2 is
// left, centre, right; vertical 0, 1, 2 is baseline, middle, top. So 0 is
// left on the baseline and 22 right at the top.
struct ZaTextRecord {
    const char* text = "";        // 127 stands for a degree sign, 128 for a diameter sign
    ZaPoint point{};              // where the mode puts the text
    double height = 0;
    double rotation = 0;          // degrees
    const char* layer = nullptr;  // null or empty: "0"
    int mode = 0;
    const char* style = nullptr;  // null or empty: "standard"; a style the drawing lacks is left out
};

// One text; a command that makes many keeps a ZaTextMaker (shell/text_maker.h).
bool zaMakeText(const ZaTextRecord& text);

struct ZaTextAlign {
    ZaPoint insertion{};  // the text's own group 10
    int horizontal = 0;   // group 72
    int vertical = 0;     // group 73
};

// text: a TEXT list the host can measure (text, height, style). Rotation in
// radians. False for an unknown mode or a text the host cannot measure.
bool zaTextAlignPoint(const resbuf* text, const ads_point align, double height, double rotation, int mode,
                      ZaTextAlign& result);

// The width of a TEXT list as the host measures it, given its height. False
// for a text the host cannot measure.
bool zaTextWidth(const resbuf* text, double height, double& width);

// The insertion point that puts a text of that width at `align` by the
// mode's parts (horizontal and vertical, each 0 to 2). Rotation in radians.
ZaTextAlign zaTextPlace(const ads_point align, double height, double rotation, int horizontal, int vertical,
                        double width);

// The text with the suite's marks spelt as the host spells them; the text
// itself when it holds none, else `spelt`'s characters.
const char* zaSpellTextMarks(const char* text, std::string& spelt);
