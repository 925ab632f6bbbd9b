#include "settings/settings_table.h"

#include <array>

namespace {

using S = ZaSettings;
constexpr double kAny = kZaUnbounded;

constexpr ZaSettingValue flag(const char* name, bool S::*field, bool value, const char* readMessage,
                              const char* writeMessage) {
    return {.name = name,
            .field = field,
            .number = value ? 1.0 : 0.0,
            .readMessage = readMessage,
            .writeMessage = writeMessage};
}

constexpr ZaSettingValue whole(const char* name, int S::*field, int value, double low, double high,
                               const char* readMessage, const char* rangeMessage, const char* writeMessage) {
    return {.name = name,
            .field = field,
            .number = static_cast<double>(value),
            .low = low,
            .high = high,
            .readMessage = readMessage,
            .rangeMessage = rangeMessage,
            .writeMessage = writeMessage};
}

constexpr ZaSettingValue real(const char* name, double S::*field, double value, double low, double high,
                              const char* readMessage, const char* rangeMessage, const char* writeMessage) {
    return {.name = name,
            .field = field,
            .number = value,
            .low = low,
            .high = high,
            .readMessage = readMessage,
            .rangeMessage = rangeMessage,
            .writeMessage = writeMessage};
}

constexpr ZaSettingValue text(const char* name, std::string S::*field, const char* value,
                              const char* readMessage, const char* writeMessage) {
    return {.name = name,
            .field = field,
            .text = value,
            .readMessage = readMessage,
            .writeMessage = writeMessage};
}

constexpr ZaSettingValue installFile(const char* name, std::string S::*field, const char* file,
                                     const char* readMessage, const char* writeMessage) {
    ZaSettingValue value = text(name, field, file, readMessage, writeMessage);
    value.underInstall = true;
    return value;
}

constexpr ZaSettingValue defaultWhenEmpty(ZaSettingValue value, std::size_t limit = kZaTextLimit) {
    value.emptyIsDefault = true;
    value.limit = limit;
    return value;
}

constexpr ZaSettingValue restoresAll(ZaSettingValue value) {
    value.failureRestoresAll = true;
    return value;
}

constexpr ZaSettingValue counted(const char* name, int S::*field, int value, const char* readMessage) {
    ZaSettingValue result = whole(name, field, value, -kAny, kAny, readMessage, nullptr, nullptr);
    result.countedText = true;
    return result;
}

constexpr std::array kGeneral = {
    flag("General Use Dialogs", &S::useDialogs, true,
         "Could not retrieve dialog usage information from registry,\nRestoring Defaults.",
         "Could not set \"Dialog Usage\" registry entry."),
    flag("General Colour Layers", &S::colourLayers, true,
         "Could not retrieve colour layers information from registry,\nRestoring Defaults.",
         "Could not set \"Colour Layers\" registry entry."),
    whole("General Save Option", &S::saveOption, 0, 0, 2,
          "Could not retrieve the Zarvo default save option from registry,\nRestoring Defaults.",
          "An invalid value was found for Zarvo default save options,\nRestoring Defaults.",
          "Could not set \"Zarvo configuration save option\" registry entry."),
};

constexpr std::array kWidthRatio = {
    text("THtW Height to Width Ratio", &S::textWidthRatio, "0.70",
         "Could not retrieve Text width factor - Default Font from registry,\nRestoring Defaults.",
         "Could not set \"Text Height to Width Ratio\" registry entry."),
};

constexpr std::array kTextHeight = {
    text("Text Height", &S::textHeight, "1",
         "Could not retrieve Text Height - Default Font from registry,\nRestoring Defaults.",
         "Could not set \"Text Height\" registry entry."),
};

constexpr std::array kTextAngle = {
    text("Text obligning Angle", &S::textAngle, "0",
         "Could not retrieve Text Angle - Default Font from registry,\nRestoring Defaults.", nullptr),
};

constexpr std::array kTextFont = {
    text("Text Font", &S::textFont, "txt.shx",
         "Could not retrieve Text Font - Default Font from registry,\nRestoring Defaults.",
         "Could not set \"Text Font\" registry entry."),
};

constexpr std::array kTextFontPreference = {
    flag("Text Font Preference", &S::textFontPreference, false,
         "Could not retrieve text font preference information from registry,\nRestoring Defaults.",
         "Could not set \"Text Font Preference defaults\" registry entry."),
};

constexpr std::array kAddingLayers = {
    flag("Adding Layer Defaults", &S::addLayers, true,
         "Could not retrieve Zarvo Add New Layer Defaults information from registry\n"
         " - String & Point Import Settings,\nRestoring Defaults",
         "Could not set \"Add New Layer defaults\" registry entry."),
};

constexpr std::array kEndNameAtSpace = {
    flag("End Name At Space Defaults", &S::endNameAtSpace, false,
         "Could not retrieve Zarvo End Name At Space Defaults information from registry\n"
         " - String & Point Import Settings,\nRestoring Defaults",
         "Could not set \"End Name at Space defaults\" registry entry."),
};

constexpr std::array kIncludeNumerics = {
    flag("Include Numerics Defaults", &S::includeNumerics, true,
         "Could not retrieve Include Numerics Defaults information from registry\n"
         " - String & Point Import Settings,\nRestoring Defaults",
         "Could not set \"Include Numerics defaults\" registry entry."),
};

constexpr std::array kMaximumSize = {
    text("Maximum Size Defaults", &S::maximumSize, "14",
         "Could not retrieve Maximum Size - Default Font from registry,\nRestoring Defaults.",
         "Could not set \"Maximum Size\" registry entry."),
};

constexpr const char* kXyzNotes =
    "Could not retrieve Zarvo XYZ files information from registry,\n"
    "Layer notes option - UR/TR Export Settings,\nRestoring Defaults";

constexpr std::array kXyzExport = {
    flag("UROut Use Defaults", &S::xyzUseDefaults, false,
         "Could not retrieve Zarvo XYZ file usage information from registry\n"
         " - UR/TR Export Settings,\nRestoring Defaults",
         "Could not set \"Zarvo XYZ File defaults use\" registry entry."),
    whole("UROut Breakup", &S::xyzBreakup, 1, 0, 3,
          "Could not retrieve Zarvo XYZ files information from registry\n"
          "Arcs & Circles Breakup - UR/TR Export Settings,\nRestoring Defaults",
          "An invalid value was found for Zarvo XYZ files\n"
          "Arcs & Circles Breakup Option- UR/TR Export Settings,\nRestoring Defaults",
          "Could not set \"Zarvo XYZ File defaults - Arc & Circle String Breakup\" registry entry."),
    restoresAll(whole("UROut Last number Text", &S::xyzLastNumberText, 8, -kAny, kAny,
                      "Could not retrieve Zarvo XYZ files information from registry,\n"
                      "Layer text length used at end - UR/TR Export Settings,\nRestoring Defaults",
                      nullptr, nullptr)),
    restoresAll(flag("UROut Rounding", &S::xyzRounding, true,
                     "Could not retrieve Zarvo XYZ files information from registry,\n"
                     "Arcs & Circles Rounding - UR/TR Export Settings,\nRestoring Defaults",
                     "Could not set \"Zarvo XYZ File defaults - Rounding of intervals Arc & Circleg\" "
                     "registry entry.")),
    restoresAll(flag("UROut Create Note", &S::xyzCreateNote, true, kXyzNotes,
                     "Could not set \"Zarvo XYZ File defaults - Create Note\" registry entry.")),
    restoresAll(flag("UROut Last8Layer", &S::xyzLast8Layer, true,
                     "Could not retrieve Zarvo XYZ files information from registry,\n"
                     "Long Layer truncation option - UR/TR Export Settings,\nRestoring Defaults",
                     "Could not set \"Zarvo XYZ File defaults - last 8 Layers\" registry entry.")),
    restoresAll(flag("UROut Use Text", &S::xyzUseText, true, kXyzNotes,
                     "Could not set \"Zarvo XYZ File defaults - Use Text\" registry entry.")),
    restoresAll(flag("UROut Create Point", &S::xyzCreatePoint, true,
                     "Could not retrieve Zarvo XYZ files information from registry,\n"
                     "Create Point from text location,\nRestoring Defaults",
                     nullptr)),
    real("UROut Value", &S::xyzValue, 8.0, 0.00001, 40000,
         "Could not retrieve Zarvo XYZ files information from registry,\n"
         "Arcs & Circles default value - UR/TR Export Settings,\nRestoring Defaults",
         "An invalid value was found for Zarvo XYZ files,\n"
         "Arcs & Circles default value - UR/TR Export Settings,\nRestoring Defaults",
         "Could not set \"Zarvo XYZ File defaults - Arc & Circle Value\" registry entry."),
    whole("UROut Face Mode", &S::xyzFaceMode, 1, 0, 1,
          "Could not retrieve Zarvo XYZ files - 3D Face Export information from registry,"
          " - UR/TR Export Settings,\nRestoring Defaults",
          "An invalid values was found for Zarvo XYZ files,\n"
          "3D Face Export Option - UR/TR Export Settings,\nRestoring Defaults",
          "Could not set \"Zarvo XYZ File defaults - 3D Face - export mode\" registry entry."),
    flag("UROut Face Close Triangles", &S::xyzFaceCloseTriangles, true,
         "Could not retrieve Zarvo XYZ files information from registry,"
         "3D Face close triangle - UR/TR Export Settings,\nRestoring Defaults",
         "Could not set \"Zarvo XYZ File defaults - 3D Face - close triangles\" registry entry."),
};

// 0 the world system, 1 the user system: anything else would transform
// exported points into a system nobody asked for.
constexpr std::array kCoordinateSystem = {
    flag("Coordinate System Defaults", &S::coordinateUseDefaults, false,
         "Could not retrieve Zarvo use export coordinate system default from registry\n"
         " - Coordinate Export Settings,\nRestoring Defaults",
         "Could not set \"Zarvo Coordinate System defaults use\" registry entry."),
    whole("Coordinate System Preference", &S::coordinatePreference, 0, 0, 1,
          "Could not retrieve Zarvo Zarvo use export coordinate system preference from registry,"
          "- Coordinate Export Settings,\nRestoring Defaults",
          nullptr, "Could not set \"Zarvo Coordinate System preference use\" registry entry."),
};

constexpr std::array kUtImport = {
    flag("UTIn Use Defaults", &S::utUseDefaults, false,
         "Could not retrieve Zarvo UT import default usage information from registry,"
         " - UT Import Settings\nRestoring Defaults.",
         "Could not set \"Zarvo UT File defaults - Use default values\" registry entry."),
    whole("UTIn Method", &S::utMethod, 0, 0, 4,
          "Could not retrieve Zarvo UT file - Import method information from registry,"
          " - UT Import Settings\nRestoring Defaults.",
          "An invalid values was found for Zarvo UT File - Import method, - UT Import Settings\n"
          "Restoring Defaults.",
          "Could not set \"Zarvo UT File defaults - Import method option\" registry entry."),
    whole("UTIn Edges", &S::utEdges, 0, 0, 4,
          "Could not retrieve Zarvo UT file - Import edge method information from registry,"
          " - UT Import Settings\nRestoring Defaults.",
          "An invalid value was found for Zarvo UT File - Import edge method, - UT Import Settings\n"
          "Restoring Defaults.",
          "Could not set \"Zarvo UT File defaults - Edge display option\" registry entry."),
};

constexpr std::array kCtlFile = {
    whole("CTL File Preference", &S::ctlPreference, 0, 0, 4,
          "Could not retrieve Zarvo CTL file - Usage preference information from registry,\n"
          "Restoring Defaults.",
          "An invalid value was found for Zarvo CTL File - Usage Preference\nRestoring Defaults.",
          "Could not set \"Zarvo CTL File defaults - CTL Usage preference\" registry entry."),
    installFile("CTL File Path", &S::ctlPath, "sample.ctl",
                "Could not retrieve Zarvo CTL file - Default file path information from registry,\n"
                "Restoring Defaults.",
                "Could not set \"Zarvo CTL File defaults - CTL File path\" registry entry."),
};

constexpr std::array kMapFile = {
    whole("Map File Preference", &S::mapPreference, 0, 0, 3,
          "Could not retrieve Zarvo MAP file - Usage preference information from registry,\n"
          "Restoring Defaults.",
          "An invalid value was found for Zarvo MAP File - Usage Preference\nRestoring Defaults.",
          "Could not set \"Zarvo Map File defaults - Map File Usage preference\" registry entry."),
    installFile("Map File Path", &S::mapPath, "sample.map",
                "Could not retrieve Zarvo MAP file - Default file path information from registry,\n"
                "Restoring Defaults.",
                "Could not set \"Zarvo Map File defaults - Map File path\" registry entry."),
};

constexpr std::array kLayFile = {
    whole("Lay File Preference", &S::layPreference, 0, 0, 3,
          "Could not retrieve Zarvo LAY file - Usage preference information from registry,\n"
          "Restoring Defaults.",
          "An invalid value was found for Zarvo LAY File - Usage Preference\nRestoring Defaults.",
          "Could not set \"Zarvo LAY File defaults - LAY Usage preference\" registry entry."),
    installFile("Lay File Path", &S::layPath, "plot.lay",
                "Could not retrieve Zarvo LAY file - Default file path information from registry,\n"
                "Restoring Defaults.",
                "Could not set \"Zarvo LAY File defaults - LAY File path\" registry entry."),
};

constexpr std::array kImportPenFile = {
    whole("Import Pen File Preference", &S::importPenPreference, 0, 0, 3,
          "Could not retrieve Zarvo PEN file - Usage preference information from registry,\n"
          "Restoring Defaults.",
          "An invalid value was found for Zarvo PEN File - Usage Preference\nRestoring Defaults.",
          "Could not set \"Zarvo PEN File defaults - PEN Usage preference\" registry entry."),
    installFile("Import Pen File Path", &S::importPenPath, "plot.pen",
                "Could not retrieve Zarvo PEN file - Default file path information from registry,\n"
                "Restoring Defaults.",
                "Could not set \"Zarvo PEN File defaults - PEN File path\" registry entry."),
};

constexpr std::array kPlotExport = {
    flag("Export Plot File Use Defaults", &S::plotExportUseDefaults, false,
         "Could not retrieve Zarvo UsePlotFileExp usage information from registry\n"
         " - Plot File Export Use Defaults,\nRestoring Defaults",
         "Could not set \"Zarvo Plot File Exp defaults - Use default values\" registry entry."),
    whole("Export Pen File Preference", &S::exportPenPreference, 0, 0, 3,
          "Could not retrieve Export pen file preference from registry,\nRestoring Defaults",
          "An invalid value was found for Zarvo Exp PEN File - Usage Preference\nRestoring Defaults.",
          "Could not set \"Plot File Exp .pen use preference\" registry entry."),
    installFile("Export Pen File Path", &S::exportPenPath, "plot.pen",
                "Could not retrieve Export pen file path from registry,\nRestoring Defaults",
                "Could not set \"Plot File Exp .pen File Path\" registry entry."),
};

constexpr const char* kHalFlags =
    "Could not retrieve Zarvo HAL export default usage information from registry,"
    " - HAL export Settings\nRestoring Defaults.";

constexpr std::array kHalExport = {
    flag("HAL Use Defaults", &S::halUseDefaults, false, kHalFlags,
         "Could not set \"Zarvo HAL File defaults - Use default values\" registry entry."),
    flag("HAL Get Shift Line", &S::halGetShiftLine, true, kHalFlags, nullptr),
    real("HAL Straight Interval", &S::halStraightInterval, 20.0, 0.1, 1000,
         "Could not retrieve Zarvo HAL file - Interval values, - HAL export Settings\nRestoring Defaults.",
         "An invalid value was found for Zarvo HAL file - Interval on Straight value,"
         " - HAL export Settings\nRestoring Defaults.",
         "Could not set \"Zarvo HAL File defaults - Interval on Straight\" registry entry."),
    real("HAL Curve Interval", &S::halCurveInterval, 10.0, 0.1, 1000,
         "Could not retrieve Zarvo HAL file,HAL export Settings - Interval values\nRestoring Defaults.",
         "An invalid value was found for Zarvo HAL file - Interval on Curve value,"
         " - HAL export Settings\nRestoring Defaults.",
         "Could not set \"Zarvo HAL File defaults - Interval on Curve\" registry entry."),
};

constexpr std::size_t kLevelLayerLimit = 128;

// The layer name comes before the preferences, so that an empty name is
// replaced before the next value is read.
constexpr std::array kPointsToLevel = {
    whole("P2L Precision", &S::p2lPrecision, 3, 0, kAny,
          "Could not read Pt2Lev Precision information.\nRestoring Pt2Lev Defaults.",
          "Read invalid Pt2Lev Precision information.\nRestoring Pt2Lev Defaults.",
          "Could not set Pt2Lev Precision in Zarvo AutoCAD Registry keys."),
    real("P2L X Offset", &S::p2lXOffset, 0.0, -kAny, kAny,
         "Could not read Pt2Lev X Offset information.\nRestoring Pt2Lev Defaults.", nullptr,
         "Could not set Pt2Lev x Offset in Zarvo AutoCAD Registry keys."),
    real("P2L Y Offset", &S::p2lYOffset, 0.0, -kAny, kAny,
         "Could not read Pt2Lev Y Offset information.\nRestoring Pt2Lev Defaults.", nullptr,
         "Could not set Pt2Lev y Offset in Zarvo AutoCAD Registry keys."),
    real("P2L Text Height", &S::p2lTextHeight, 3.0, 0.5, kAny,
         "Could not read Pt2Lev Text Height information.\nRestoring Pt2Lev Defaults.",
         "Read invalid Pt2Lev Text Height information.\nRestoring Pt2Lev Defaults.",
         "Could not set Pt2Lev Text Height in Zarvo AutoCAD Registry keys."),
    real("P2L Text Angle", &S::p2lTextAngle, 0.0, -kAny, kAny,
         "Could not read Pt2Lev Text Angle information.\nRestoring Pt2Lev Defaults.", nullptr,
         "Could not set Pt2Lev Text Angle in Zarvo AutoCAD Registry keys."),
    defaultWhenEmpty(text("P2L Layer Name", &S::p2lLayerName, "mk_lev",
                          "Could not read Pt2Lev Layer information\nRestoring Pt2Lev Defaults.",
                          "Could not set Pt2Lev Layer Name in Zarvo AutoCAD Registry keys."),
                     kLevelLayerLimit),
    whole("P2L Preferences", &S::p2lPreferences, 0, -kAny, kAny,
          "Could not read Pt2Lev Preference information.\nRestoring Pt2Lev Defaults.", nullptr,
          "Could not set Pt2Lev Preferences in Zarvo AutoCAD Registry keys."),
};

constexpr std::array kLevelToPoints = {
    defaultWhenEmpty(text("L2P Layer Name", &S::l2pLayerName, "mk_pt",
                          "Could not read Lev2Pt Layer information\nRestoring Lev2Pt Defaults.",
                          "Could not set Lev2Pt Layer Name in Zarvo AutoCAD Registry keys."),
                     kLevelLayerLimit),
    whole("L2P Preferences", &S::l2pPreferences, 0, -kAny, kAny,
          "Could not read Lev2Pt Preference information\nRestoring Lev2Pt Defaults.", nullptr,
          "Could not set Lev2Pt Preferences in Zarvo AutoCAD Registry keys."),
};

constexpr std::array kSaveJobImport = {
    flag("Save Current Job - PFIN", &S::saveJobPFIN, false,
         "Could not retrieve Zarvo \"save current job - PFIN\" setting from registry,\nRestoring Defaults.",
         "Could not set \"Set Current Job - PFIN\" registry entry."),
    flag("Save Current Job - URIN", &S::saveJobURIN, false,
         "Could not retrieve Zarvo \"save current job - URIN\" setting from registry,\nRestoring Defaults.",
         "Could not set \"Set Current Job - URIN\" registry entry."),
    flag("Save Current Job - TRIN", &S::saveJobTRIN, false,
         "Could not retrieve Zarvo \"save current job - TRIN\" setting from registry,\nRestoring Defaults.",
         "Could not set \"Set Current Job - TRIN\" registry entry."),
    flag("Save Current Job - UTIN", &S::saveJobUTIN, false,
         "Could not retrieve Zarvo \"save current job - UTIN\" setting from registry,\nRestoring Defaults.",
         "Could not set \"Set Current Job - UTIN\" registry entry."),
};

constexpr std::array kSaveJobExport = {
    flag("Save Current Job - PFOUT", &S::saveJobPFOUT, false,
         "Could not retrieve Zarvo \"save current job - PFOUT\" setting from registry,\nRestoring Defaults.",
         "Could not set \"Set Current Job - PFOUT\" registry entry."),
    flag("Save Current Job - UROUT", &S::saveJobUROUT, true,
         "Could not retrieve Zarvo \"save current job - UROUT\" setting from registry,\nRestoring Defaults.",
         "Could not set \"Set Current Job - UROUT\" registry entry."),
    flag("Save Current Job - TROUT", &S::saveJobTROUT, false,
         "Could not retrieve Zarvo \"save current job - TROUT\" setting from registry,\nRestoring Defaults.",
         "Could not set \"Set Current Job - TROUT\" registry entry."),
    flag("Save Current Job - HALOUT", &S::saveJobHALOUT, true,
         "Could not retrieve Zarvo \"save current job - HALOUT\" setting from registry,\nRestoring Defaults.",
         "Could not set \"Set Current Job - HALOUT\" registry entry."),
    flag("Restrict File Name Length", &S::restrictFileNameLength, true,
         "Could not retrieve Zarvo \"set File Length DFLT\" setting from registry,\nRestoring Defaults.",
         "Could not set \"Set File Name Length\" registry entry."),
};

// One message for the whole group, whichever value failed.
constexpr const char* kPad =
    "Could not retrieve Zarvo \"Padlev registry values PADLEV\" setting from registry,\n"
    "Restoring Defaults for PADLEV.";

constexpr std::array kPadGroup = {
    flag("CadPad use dialog", &S::padUseBoundaryLevel, true, kPad,
         "Could not set \"Set use dialog for Padlev."),
    flag("CadPad Cad or level", &S::padCadOrLevel, true, kPad,
         "Could not set \"Set Cadastra or Padlev option."),
    flag("CadPad use text", &S::padUseText, true, kPad, "Could not set \"Set use Text values."),
    flag("CadPad newlayer", &S::padNewLayer, true, kPad, nullptr),
    flag("CadPad show lot number", &S::padShowLotNumber, true, kPad, nullptr),
    flag("CadPad unique lot", &S::padUniqueLot, true, kPad, nullptr),
    flag("CadPad transfer", &S::padTransfer, true, kPad, nullptr),
    counted("CadPad start lot", &S::padStartLot, 1, kPad),
    // A retaining wall's width: a negative one would make a pad wider than its lot.
    real("CadPad offset", &S::padOffset, 1.0, 0, kAny, kPad, nullptr, nullptr),
    real("CadPad bnd level", &S::padBoundaryLevel, 1.0, -kAny, kAny, kPad, nullptr,
         "Could not set \"Set boundary level for Padlev."),
    defaultWhenEmpty(text("CadPad layername", &S::padLayerName, "mklev", kPad,
                          "Could not set \"Set layername for Padlev.")),
    defaultWhenEmpty(text("CadPad cadFileName", &S::padCadFileName, "cadastra.txt", kPad,
                          "Could not set \"Set Cadfile for Padlev.")),
};

constexpr std::array kPolyline3D = {
    flag("3D Polyline Defaults", &S::polyline3D, true, nullptr,
         "Could not set \"3D Polyline defaults\" registry entry."),
};

constexpr std::array kTitleBlock = {
    flag("TBlock Use Title Block", &S::useTitleBlock, false, nullptr,
         "Could not set \"Title Block Use\" registry entry."),
    text("TBlock Title Block Path", &S::titleBlockPath, "", nullptr,
         "Could not set \"Title Block Path\" registry entry."),
};

constexpr ZaSettingsGroupTable plain(std::span<const ZaSettingValue> values) { return {.values = values}; }

constexpr ZaSettingsGroupTable breaksLine(std::span<const ZaSettingValue> values) {
    return {.values = values, .openMessageBreaksLine = true};
}

constexpr ZaSettingsGroupTable createsKey(std::span<const ZaSettingValue> values) {
    return {.values = values, .writerCreatesKey = true};
}

struct GroupEntry {
    ZaSettingsGroup id;
    ZaSettingsGroupTable table;
};

using G = ZaSettingsGroup;

constexpr GroupEntry kGroups[] = {
    {G::General, createsKey(kGeneral)},
    {G::WidthRatio, plain(kWidthRatio)},
    {G::TextHeight, plain(kTextHeight)},
    {G::TextAngle, plain(kTextAngle)},
    {G::TextFont, plain(kTextFont)},
    {G::TextFontPreference, plain(kTextFontPreference)},
    {G::AddingLayers, breaksLine(kAddingLayers)},
    {G::EndNameAtSpace, breaksLine(kEndNameAtSpace)},
    {G::IncludeNumerics, breaksLine(kIncludeNumerics)},
    {G::MaximumSize, plain(kMaximumSize)},
    {G::XyzExport, breaksLine(kXyzExport)},
    {G::CoordinateSystem, breaksLine(kCoordinateSystem)},
    {G::UtImport, plain(kUtImport)},
    {G::CtlFile, plain(kCtlFile)},
    {G::MapFile, plain(kMapFile)},
    {G::LayFile, plain(kLayFile)},
    {G::ImportPenFile, plain(kImportPenFile)},
    {G::PlotExport, breaksLine(kPlotExport)},
    {G::HalExport, plain(kHalExport)},
    {G::PointsToLevel, breaksLine(kPointsToLevel)},
    {G::LevelToPoints, breaksLine(kLevelToPoints)},
    {G::SaveJobImport, createsKey(kSaveJobImport)},
    {G::SaveJobExport, createsKey(kSaveJobExport)},
    {G::Pad, createsKey(kPadGroup)},
    {G::Polyline3D, plain(kPolyline3D)},
    {G::TitleBlock, {.values = kTitleBlock, .hasDefaults = false}},
};

}  // namespace

const ZaSettingsGroupTable& zaSettingsGroupTable(ZaSettingsGroup group) {
    for (const GroupEntry& entry : kGroups)
        if (entry.id == group) return entry.table;
    return kGroups[0].table;
}

const ZaSettingValue* zaFindSettingValue(std::string_view name) {
    for (const GroupEntry& entry : kGroups)
        for (const ZaSettingValue& value : entry.table.values)
            if (name == value.name) return &value;
    return nullptr;
}
