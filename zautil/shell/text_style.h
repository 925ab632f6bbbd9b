// Points the drawing's text style at the font the plot import is set up for.
#pragma once

#include <string>

struct ZaTextStyleSettings {
    std::string font;          // wildcard pattern, lower case, without any ".shx"
    double height = 0;
    double widthRatio = 1;
    double obliquing = 0;      // radians
    double angleFactor = 1;    // obliquing times this is what the user is shown
};

// The first style whose name (cut at "." and lower-cased) matches the font
// takes the settings and becomes current. No match: a message, nothing changed.
void zaSetTextStyle(const ZaTextStyleSettings& settings);
