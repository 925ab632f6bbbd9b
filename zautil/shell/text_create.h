// Single-line TEXT placed by a justification mode, its insertion point worked
// out from the host's text box.
#pragma once

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
