// The keys in their file order, and the file's text made from the record
// through the settings table: one routine for every value.
#include "settings/config_file.h"
#include "settings/settings_table.h"

#include <array>
#include <cstdio>
#include <variant>

namespace {

// clang-format off
constexpr std::array<const char*, 76> kKeys = {
    "General Use Dialogs", "UROut Use Defaults", "General Colour Layers", "General Save Option",
    "Save Current Job - PFIN", "Save Current Job - URIN", "Save Current Job - TRIN", "Save Current Job - UTIN",
    "Save Current Job - PFOUT", "Save Current Job - UROUT", "Save Current Job - TROUT",
    "Save Current Job - HALOUT", "Restrict File Name Length",
    "THtW Height to Width Ratio", "Text Height", "Text obligning Angle", "Text Font", "Text Font Preference",
    "TBlock Use Title Block", "TBlock Title Block Path",
    "UROut Rounding", "UROut Last number Text", "UROut Create Note", "UROut Last8Layer", "UROut Use Text",
    "UROut Create Point", "UROut Breakup", "UROut Value", "UROut Face Mode", "UROut Face Close Triangles",
    "Coordinate System Defaults", "Coordinate System Preference",
    "Adding Layer Defaults", "End Name At Space Defaults", "Include Numerics Defaults", "3D Polyline Defaults",
    "Maximum Size Defaults",
    "UTIn Use Defaults", "UTIn Method", "UTIn Edges",
    "CTL File Preference", "CTL File Path", "Map File Preference", "Map File Path",
    "Lay File Preference", "Lay File Path", "Import Pen File Preference", "Import Pen File Path",
    "Export Plot File Use Defaults", "Export Pen File Preference", "Export Pen File Path",
    "HAL Use Defaults", "HAL Get Shift Line", "HAL Straight Interval", "HAL Curve Interval",
    "P2L Precision", "P2L X Offset", "P2L Y Offset", "P2L Text Height", "P2L Text Angle", "P2L Layer Name",
    "P2L Preferences", "L2P Layer Name", "L2P Preferences",
    "CadPad use dialog", "CadPad Cad or level", "CadPad use text", "CadPad newlayer", "CadPad show lot number",
    "CadPad unique lot", "CadPad transfer", "CadPad start lot", "CadPad offset", "CadPad bnd level",
    "CadPad layername", "CadPad cadFileName",
};
// clang-format on

constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// asctime's form without its newline, in English whatever the locale.
std::string asctimeText(const std::tm& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d", kDays[(t.tm_wday % 7 + 7) % 7],
                  kMonths[(t.tm_mon % 12 + 12) % 12], t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, t.tm_year + 1900);
    return text;
}

void appendValue(std::string& out, bool value) { out += value ? "true" : "false"; }

void appendValue(std::string& out, int value) { out += std::to_string(value); }

void appendValue(std::string& out, double value) {
    char text[400];  // "%.5f" of the largest double fits
    std::snprintf(text, sizeof text, "%.5f", value);
    out += text;
}

// A line break inside a text would start a line of its own when read back.
void appendValue(std::string& out, const std::string& value) { out += value.substr(0, value.find_first_of("\r\n")); }

void appendLine(std::string& out, std::string_view line) {
    out += line;
    out += "\r\n";
}

}  // namespace

std::span<const char* const> zaConfigFileKeys() { return kKeys; }

std::string zaConfigValueText(const ZaSettings& settings, const ZaSettingValue& v) {
    std::string text;
    std::visit([&](auto member) { appendValue(text, settings.*member); }, v.field);
    return text;
}

std::string zaConfigFileText(const ZaSettings& settings, std::string_view path, const std::tm& when) {
    std::string out;
    appendLine(out, "file=" + std::string(path));
    // asctime carries its own newline: an empty line follows the date.
    appendLine(out, "date=" + asctimeText(when));
    appendLine(out, "");
    for (const char* key : kKeys) {
        const ZaSettingValue* v = zaFindSettingValue(key);
        if (!v) continue;
        appendLine(out, std::string(key) + "=" + zaConfigValueText(settings, *v));
    }
    return out;
}
