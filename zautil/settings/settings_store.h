// The settings record's home in the registry: one reader, writer and
// default setter per group, and the operations over all groups.
// HKEY_CURRENT_USER "Software\Zarvo Software\AutoCAD Interface".
#pragma once

#include "settings/settings_record.h"

enum class ZaSettingsGroup {
    General,
    WidthRatio,
    TextHeight,
    TextAngle,
    TextFont,
    TextFontPreference,
    AddingLayers,
    EndNameAtSpace,
    IncludeNumerics,
    MaximumSize,
    XyzExport,
    CoordinateSystem,
    UtImport,
    CtlFile,
    MapFile,
    LayFile,
    ImportPenFile,
    PlotExport,
    HalExport,
    PointsToLevel,
    LevelToPoints,
    SaveJobImport,
    SaveJobExport,
    Pad,
    Polyline3D,  // written, never read at load
    TitleBlock,  // written, never read at load, no defaults
};

// A group that is missing or invalid is told about, restored to its
// defaults and written back; false only when that healing failed too.
bool zaReadSettingsGroup(ZaSettings& settings, ZaSettingsGroup group);
// Every value is written even after one fails; false when any failed.
bool zaWriteSettingsGroup(const ZaSettings& settings, ZaSettingsGroup group);
// Puts the group's defaults into the record and writes the group.
bool zaSetSettingsGroupDefaults(ZaSettings& settings, ZaSettingsGroup group);

// The 24 groups read at load, stopping at the first that fails.
bool zaReadAllSettings(ZaSettings& settings);
// Every group, stopping at the first that fails.
bool zaWriteAllSettings(const ZaSettings& settings);
// Creates the key and writes every group's defaults.
bool zaCreateDefaultSettings(ZaSettings& settings);
