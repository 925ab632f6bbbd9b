// The text settings of a plot import and the text style they set up.
#pragma once

#include <string>

#include "settings/settings_record.h"

struct ZaPlotTextSettings {
    std::string font;
    double height = 2.4;
    double widthRatio = 0.7;
    double obliqueDegrees = 0;
    bool fontPreference = false;  // the font of the settings, not the drawing's style
};

ZaPlotTextSettings zaPlotTextSettings(const ZaSettings& settings);

// Points the drawing's text style at the font with the height, width ratio
// and obliquing angle, and reports the style now in force.
void zaSetUpPlotTextStyle(const ZaPlotTextSettings& settings);
