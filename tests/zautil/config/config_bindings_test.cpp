// Every control of every tab carries its setting both ways: the record's
// value is shown when the dialog opens, and what the user does to the
// control is in the record (and the registry) after OK.
#include "config_fixture.h"

#include <set>

namespace {

struct Binding {
    int page;
    int tab;
    int id;
    const char* setting;  // the value checked after OK
    const char* stored;   // "key=value" lines put in the record first
    const char* shown;    // "1"/"0" for a check box or radio, else the edit's text
    const char* input;    // nullptr: a click; else typed into the edit
    const char* taken;    // the setting as the configuration file writes it
};

// clang-format off
constexpr Binding kBindings[] = {
    // General: Current Job, Saving Defaults, Point to Level, Level to Point, Cadastra Padlev
    {0, 0, 1100, "General Use Dialogs", "General Use Dialogs=false", "0", nullptr, "true"},
    {0, 0, 1102, "General Colour Layers", "", "1", nullptr, "false"},
    {0, 1, 1111, "General Save Option", "", "0", nullptr, "1"},
    {0, 1, 1110, "General Save Option", "General Save Option=2", "0", nullptr, "0"},
    {0, 2, 1120, "P2L Precision", "P2L Precision=4", "4", "2", "2"},
    {0, 2, 1122, "P2L X Offset", "P2L X Offset=1.5", "1.5", "-2.25", "-2.25000"},
    {0, 2, 1123, "P2L Y Offset", "", "0", "4", "4.00000"},
    {0, 2, 1125, "P2L Text Height", "", "3", "2.5", "2.50000"},
    {0, 2, 1127, "P2L Text Angle", "", "0", "45", "45.00000"},
    {0, 2, 1121, "P2L Preferences", "", "0", nullptr, "2"},
    {0, 2, 1124, "P2L Preferences", "", "0", nullptr, "4"},
    {0, 2, 1126, "P2L Preferences", "", "0", nullptr, "8"},
    {0, 2, 1128, "P2L Preferences", "P2L Preferences=8", "0", nullptr, "24"},
    {0, 2, 1129, "P2L Preferences", "", "0", nullptr, "31"},
    {0, 2, 1129, "P2L Preferences", "P2L Preferences=31", "1", nullptr, "0"},
    {0, 2, 1132, "P2L Preferences", "", "0", nullptr, "64"},
    {0, 2, 1133, "P2L Preferences", "P2L Preferences=64", "0", nullptr, "96"},
    {0, 2, 1131, "P2L Preferences", "P2L Preferences=96", "0", nullptr, "0"},
    {0, 2, 1136, "P2L Layer Name", "P2L Preferences=96\nP2L Layer Name=levels", "levels", "spot", "spot"},
    {0, 2, 1134, "P2L Preferences", "", "0", nullptr, "128"},
    {0, 2, 1135, "P2L Preferences", "P2L Preferences=256", "1", nullptr, "0"},
    {0, 3, 1142, "L2P Preferences", "", "0", nullptr, "64"},
    {0, 3, 1143, "L2P Preferences", "L2P Preferences=32", "0", nullptr, "96"},
    {0, 3, 1146, "L2P Layer Name", "L2P Preferences=96", "mk_pt", "points", "points"},
    {0, 3, 1144, "L2P Preferences", "", "0", nullptr, "129"},
    {0, 3, 1144, "L2P Preferences", "L2P Preferences=128", "1", nullptr, "0"},
    {0, 3, 1145, "L2P Preferences", "", "0", nullptr, "256"},
    {0, 4, 1080, "CadPad Cad or level", "", "0", nullptr, "false"},
    {0, 4, 1079, "CadPad Cad or level", "CadPad Cad or level=false", "0", nullptr, "true"},
    {0, 4, 1075, "CadPad offset", "CadPad offset=1.25", "1.250", "2.5", "2.50000"},
    {0, 4, 1170, "CadPad use text", "", "1", nullptr, "false"},
    {0, 4, 1076, "CadPad bnd level", "", "1.000", "12.5", "12.50000"},
    {0, 4, 1173, "CadPad use dialog", "", "1", nullptr, "false"},
    {0, 4, 1172, "CadPad newlayer", "", "1", nullptr, "false"},
    {0, 4, 1077, "CadPad layername", "", "mklev", "lot", "lot"},
    {0, 4, 1169, "CadPad show lot number", "", "1", nullptr, "false"},
    {0, 4, 1171, "CadPad unique lot", "CadPad unique lot=false", "0", nullptr, "true"},
    {0, 4, 1081, "CadPad start lot", "", "1", "100", "100"},
    {0, 4, 1168, "CadPad transfer", "", "1", nullptr, "false"},
    {0, 4, 1078, "CadPad cadFileName", "", "cadastra.txt", "lots.xml", "lots.xml"},
    // Import: Triangles, Strings and Points, Text, Set Current Job
    {1, 0, 1200, "UTIn Use Defaults", "", "0", nullptr, "true"},
    {1, 0, 1211, "UTIn Method", "", "0", nullptr, "1"},
    {1, 0, 1213, "UTIn Method", "", "0", nullptr, "3"},
    {1, 0, 1210, "UTIn Method", "UTIn Method=4", "1", nullptr, "4"},
    {1, 0, 1221, "UTIn Edges", "", "0", nullptr, "1"},
    {1, 0, 1223, "UTIn Edges", "UTIn Edges=2", "0", nullptr, "3"},
    {1, 0, 1230, "CTL File Preference", "", "0", nullptr, "1"},
    {1, 0, 1231, "CTL File Preference", "CTL File Preference=4", "1", nullptr, "4"},
    {1, 0, 1232, "CTL File Preference", "", "0", nullptr, "3"},
    {1, 0, 1233, "CTL File Preference", "CTL File Preference=1", "0", nullptr, "0"},
    {1, 0, 1234, "CTL File Path", "CTL File Preference=2\nCTL File Path=a.ctl", "a.ctl", "b.ctl", "b.ctl"},
    {1, 1, 1300, "Adding Layer Defaults", "", "1", nullptr, "false"},
    {1, 1, 1301, "End Name At Space Defaults", "", "0", nullptr, "true"},
    {1, 1, 1302, "Include Numerics Defaults", "", "1", nullptr, "false"},
    {1, 1, 1303, "Maximum Size Defaults", "", "14", "16", "16"},
    {1, 1, 1304, "3D Polyline Defaults", "3D Polyline Defaults=false", "0", nullptr, "true"},
    {1, 1, 1310, "Map File Preference", "Map File Preference=1", "0", nullptr, "0"},
    {1, 1, 1311, "Map File Preference", "", "0", nullptr, "1"},
    {1, 1, 1312, "Map File Preference", "Map File Preference=3", "1", nullptr, "3"},
    {1, 1, 1313, "Map File Path", "Map File Preference=2\nMap File Path=x.map", "x.map", "y.map", "y.map"},
    {1, 2, 1400, "THtW Height to Width Ratio", "", "0.70", "0.8", "0.8"},
    {1, 2, 1401, "Text Height", "", "1", "2.5", "2.5"},
    {1, 2, 1402, "Text obligning Angle", "", "0", "-15", "-15"},
    {1, 2, 1404, "Text Font Preference", "", "0", nullptr, "true"},
    {1, 2, 1403, "Text Font Preference", "Text Font Preference=true", "0", nullptr, "false"},
    {1, 2, 1405, "Text Font", "Text Font Preference=true", "txt.shx", "romans", "romans"},
    {1, 3, 1500, "Save Current Job - PFIN", "", "0", nullptr, "true"},
    {1, 3, 1501, "Save Current Job - URIN", "", "0", nullptr, "true"},
    {1, 3, 1502, "Save Current Job - TRIN", "", "0", nullptr, "true"},
    {1, 3, 1503, "Save Current Job - UTIN", "", "0", nullptr, "true"},
    // Export: Hal Alignment, Strings and Points, Coordinate System, Set Current Job
    {2, 0, 1600, "HAL Use Defaults", "", "0", nullptr, "true"},
    {2, 0, 1601, "HAL Straight Interval", "", "20", "25", "25.00000"},
    {2, 0, 1602, "HAL Curve Interval", "", "10", "0.1", "0.10000"},
    {2, 0, 1603, "HAL Get Shift Line", "", "1", nullptr, "false"},
    {2, 1, 1700, "UROut Use Defaults", "", "0", nullptr, "true"},
    {2, 1, 1701, "UROut Breakup", "", "0", nullptr, "0"},
    {2, 1, 1702, "UROut Breakup", "UROut Breakup=0", "0", nullptr, "1"},
    {2, 1, 1703, "UROut Breakup", "", "0", nullptr, "2"},
    {2, 1, 1704, "UROut Breakup", "", "0", nullptr, "3"},
    {2, 1, 1705, "UROut Value", "", "8", "2.5", "2.50000"},
    {2, 1, 1706, "UROut Rounding", "UROut Breakup=2", "1", nullptr, "false"},
    {2, 1, 1707, "UROut Create Note", "", "1", nullptr, "false"},
    {2, 1, 1708, "UROut Last8Layer", "", "1", nullptr, "false"},
    {2, 1, 1709, "UROut Last number Text", "", "8", "10", "10"},
    {2, 1, 1709, "UROut Last number Text", "UROut Last number Text=20", "12", "0", "1"},
    {2, 1, 1710, "UROut Use Text", "", "1", nullptr, "false"},
    {2, 1, 1711, "UROut Create Point", "", "1", nullptr, "false"},
    {2, 2, 1800, "Coordinate System Defaults", "", "0", nullptr, "true"},
    {2, 2, 1802, "Coordinate System Preference", "", "0", nullptr, "1"},
    {2, 2, 1801, "Coordinate System Preference", "Coordinate System Preference=1", "0", nullptr, "0"},
    {2, 3, 1900, "Save Current Job - PFOUT", "", "0", nullptr, "true"},
    {2, 3, 1901, "Save Current Job - UROUT", "", "1", nullptr, "false"},
    {2, 3, 1902, "Save Current Job - TROUT", "", "0", nullptr, "true"},
    {2, 3, 1903, "Save Current Job - HALOUT", "", "1", nullptr, "false"},
    {2, 3, 1904, "Restrict File Name Length", "", "1", nullptr, "false"},
};
// clang-format on

using ConfigBindings = ConfigTest;

TEST_F(ConfigBindings, EveryControlShowsItsSettingAndTakesWhatTheUserDoes) {
    for (const Binding& b : kBindings) {
        SCOPED_TRACE(std::string(b.setting) + " by control " + std::to_string(b.id));
        zaSettings() = defaults_;
        set(zaSettings(), b.stored);
        std::string before;
        bool worked = false;
        onNextDialog([&](ZConfigMasterDlg& d) {
            ZaSettingsTab& tab = show(d, b.page, b.tab);
            before = shown(tab, b.id);
            worked = b.input ? type(tab, b.id, b.input) : click(tab, b.id);
            click(d, ZConfigMasterDlg::kOk);
        });
        zaZConfig();
        EXPECT_EQ(before, b.shown);
        EXPECT_TRUE(worked) << "the control can be worked";
        EXPECT_EQ(value(zaSettings(), b.setting), b.taken);
        // OK wrote the record to the registry: a fresh read gives it back
        // (a value never read at load is written all the same).
        ZaSettings read;
        ASSERT_TRUE(zaReadAllSettings(read));
        if (std::string(b.setting) == "3D Polyline Defaults")
            EXPECT_TRUE(storeHas("\"3D Polyline Defaults\"=dword:00000001"));
        else
            EXPECT_EQ(value(read, b.setting), b.taken);
    }
    EXPECT_TRUE(driver().allUsed());
    EXPECT_TRUE(boxes().empty()) << "no value was refused, no group healed";
}

TEST_F(ConfigBindings, EveryEditableSettingHasAControl) {
    std::set<std::string> bound;
    for (const Binding& b : kBindings) bound.insert(b.setting);
    // Kept in the record and the file, but edited elsewhere or nowhere.
    const std::set<std::string> elsewhere = {
        "UROut Face Mode", "UROut Face Close Triangles", "Lay File Preference", "Lay File Path",
        "Import Pen File Preference", "Import Pen File Path", "Export Plot File Use Defaults",
        "Export Pen File Preference", "Export Pen File Path", "TBlock Use Title Block", "TBlock Title Block Path"};
    for (const char* key : zaConfigFileKeys())
        EXPECT_TRUE(bound.count(key) + elsewhere.count(key) == 1) << key;
}

}  // namespace
