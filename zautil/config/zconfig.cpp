#include "config/zconfig.h"

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "config/config_master_dlg.h"
#include "shell/resource_scope.h"

namespace {

constexpr const char* kConfigVersion = "V3.0.0  (Aug  2014)";

}  // namespace

void zaZConfig() {
    const zashell::ResourceScope scope;
    acutPrintf("\nZARVO Software Dialogs, Version %s\n", kConfigVersion);
    ZaSettings& settings = zaSettings();
    settings.reopen = true;
    while (settings.reopen) {
        ZConfigMasterDlg dialog(&settings, adsw_acadMainWnd());
        dialog.doModal();
    }
}
