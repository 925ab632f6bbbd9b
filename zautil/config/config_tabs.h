// The tabs of the configuration dialog's three pages, in tab order.
#pragma once

#include "config/settings_tab.h"
#include "settings/za_env.h"

#include <memory>
#include <vector>

using ZaSettingsTabs = std::vector<std::unique_ptr<ZaSettingsTab>>;

// "Current Job", "Saving Defaults", "Point to Level", "Level to Point", "Cadastra Padlev".
ZaSettingsTabs zaGeneralTabs(ZaSettings& working, const ZsAcEnviron& env);
// "Triangles", "Strings and Points", "Text", "Set Current Job".
ZaSettingsTabs zaImportTabs(ZaSettings& working, const ZsAcEnviron& env);
// "Hal Alignment", "Strings and Points", "Coordinate System", "Set Current Job".
ZaSettingsTabs zaExportTabs(ZaSettings& working);
