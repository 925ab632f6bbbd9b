#include "plot/plot_text_settings.h"

#include <cstdlib>
#include <memory>

#include "arx/acedads.h"
#include "files/c_numbers.h"
#include "files/text_rules.h"
#include "shell/text_style.h"

namespace {

// 3.1415926 / 180, as the suite has always converted the obliquing angle.
constexpr double kAngleFactor = 0.017453292222222222;

// The drawing's TEXTSTYLE; nothing when the host gives no text.
bool currentTextStyle(std::string& name) {
    resbuf value{};
    if (acedGetVar("TEXTSTYLE", &value) != RTNORM || value.restype != RTSTR || !value.resval.rstring) return false;
    const std::unique_ptr<char, decltype(&std::free)> owned(value.resval.rstring, &std::free);
    name = owned.get();
    return true;
}

}  // namespace

ZaPlotTextSettings zaPlotTextSettings(const ZaSettings& settings) {
    ZaPlotTextSettings text;
    text.font = settings.textFont;
    text.height = zafiles::readCReal(settings.textHeight);
    text.widthRatio = zafiles::readCReal(settings.textWidthRatio);
    text.obliqueDegrees = zafiles::readCReal(settings.textAngle);
    text.fontPreference = settings.textFontPreference;
    return text;
}

void zaSetUpPlotTextStyle(const ZaPlotTextSettings& settings) {
    std::string font = settings.font;
    if (!settings.fontPreference) {
        if (currentTextStyle(font)) acutPrintf("Default text style used \"%s\"\n", font.c_str());
    } else {
        acutPrintf("Use text style \"%s\"\n", settings.font.c_str());
    }
    ZaTextStyleSettings style;
    style.font = zafiles::fontStem(font);
    style.height = settings.height;
    style.widthRatio = settings.widthRatio;
    style.obliquing = settings.obliqueDegrees * kAngleFactor;
    // The style set-up shows the angle times this: degrees again, as set.
    style.angleFactor = 1.0 / kAngleFactor;
    acutPrintf("Height %.2f  Xratio %.2f  Oblique Angle %.2f\n", style.height, style.widthRatio, style.obliquing);
    zaSetTextStyle(style);
    std::string current;
    currentTextStyle(current);
    acutPrintf("<Current text style used \"%s\" >\n", current.c_str());
}
