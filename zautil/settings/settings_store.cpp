// The operations over all groups, each in the order the suite has always used.
#include "settings/settings_store.h"

#include "settings/settings_message.h"
#include "settings/settings_table.h"

#include "arx/acedads.h"

#include <platform/registry.h>

namespace {

using G = ZaSettingsGroup;

// clang-format off
constexpr G kReadOrder[] = {
    G::General, G::WidthRatio, G::TextHeight, G::TextAngle, G::TextFont, G::TextFontPreference,
    G::AddingLayers, G::EndNameAtSpace, G::IncludeNumerics, G::MaximumSize, G::XyzExport,
    G::CoordinateSystem, G::UtImport, G::CtlFile, G::MapFile, G::LayFile, G::ImportPenFile,
    G::PlotExport, G::HalExport, G::PointsToLevel, G::LevelToPoints, G::SaveJobImport,
    G::SaveJobExport, G::Pad,
};

constexpr G kWriteOrder[] = {
    G::General, G::WidthRatio, G::SaveJobImport, G::SaveJobExport, G::TextHeight, G::TextAngle,
    G::TextFont, G::AddingLayers, G::TextFontPreference, G::Polyline3D, G::EndNameAtSpace,
    G::IncludeNumerics, G::MaximumSize, G::CoordinateSystem, G::TitleBlock, G::XyzExport,
    G::UtImport, G::CtlFile, G::MapFile, G::LayFile, G::ImportPenFile, G::PlotExport,
    G::HalExport, G::PointsToLevel, G::LevelToPoints, G::Pad,
};
// clang-format on

}  // namespace

bool zaReadAllSettings(ZaSettings& settings) {
    for (const G group : kReadOrder)
        if (!zaReadSettingsGroup(settings, group)) return false;
    return true;
}

bool zaWriteAllSettings(const ZaSettings& settings) {
    for (const G group : kWriteOrder)
        if (!zaWriteSettingsGroup(settings, group)) return false;
    return true;
}

bool zaCreateDefaultSettings(ZaSettings& settings) {
    acutPrintf("Create defaults \n");
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kZaSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        zaSettingsMessage("Could not open OR create the Zarvo AutoCAD Interface Registry keys.");
        return false;
    }
    RegCloseKey(key);
    // The same order as writing; the title block has no defaults.
    for (const G group : kWriteOrder) {
        if (group == G::TitleBlock) continue;
        if (!zaSetSettingsGroupDefaults(settings, group)) return false;
    }
    return true;
}
