// The module's front door: the host loads it, sends it life-cycle messages,
// and finds its commands in one command group.
#include <platform/message_box.h>
#include <platform/services.h>

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "commands/command_table.h"
#include "menu/about_box.h"
#include "menu/ribbon.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"
#include "controls/short_name_rule.h"
#include "shell/resource_scope.h"

namespace {

AcEdCommandStack* commandStack() {
    AcRxObject* entry = acrxSysRegistry()->at("ACAD_REGISTERED_COMMANDS");
    if (!entry || !entry->isA()->isDerivedFrom(AcEdCommandStack::desc())) return nullptr;
    return static_cast<AcEdCommandStack*>(entry);
}

void zaUnloadApp() {
    if (AcEdCommandStack* stack = commandStack()) stack->removeGroup(kZarvoCommandGroup);
}

bool zaLoadDefaults() {
    acutPrintf("Load Defaults\n");
    if (zaReadAllSettings(zaSettings())) return true;
    MessageBoxA(adsw_acadMainWnd(), "Failed to retrieve ANY default Zarvo Settings Information from the registry, unloading",
                "Zarvo", MB_OK | MB_ICONERROR);
    zaUnloadApp();
    return false;
}

void registerCommands() {
    for (const zamenu::CommandRow& row : zaCommandTable()) {
        if (AcEdCommandStack* stack = commandStack()) {
            stack->addCommand(kZarvoCommandGroup, row.globalName, row.localName, ACRX_CMD_MODAL, row.function, nullptr,
                              -1, nullptr, nullptr);
        }
    }
}

void zaInitApp() {
    const zashell::ResourceScope scope;
    zaShowSplash();
    if (zaLoadDefaults()) {
        zaSetShortNameRuleSource([] { return zaSettings().restrictFileNameLength; });
        zaClearRibbonLoaded();
        registerCommands();
        acutPrintf("\nSetting up Zarvo AutoCAD Interface Commands\n");
        // The ribbon loads through the host's command line, as the user's ZRIB would.
        acedCommandS(RTNONE);
        acedCommandS(RTSTR, "ZRIB", RTNONE);
        acedCommandS(RTNONE);
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int acrxGetApiVersion() { return kHostApiVersion; }

extern "C" __attribute__((visibility("default"))) AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message,
                                                                                  void* appId) {
    switch (message) {
    case AcRx::kInitAppMsg:
        acrxUnlockApplication(appId);
        acrxRegisterAppMDIAware(appId);
        zaInitApp();
        break;
    case AcRx::kUnloadAppMsg:
        zaUnloadApp();
        break;
    case AcRx::kQuitMsg:
        OutputDebugStringA("Received \"AcRx::kQuitMsg\"\n");
        break;
    case AcRx::kSaveMsg:
        OutputDebugStringA("Received \"AcRx::kSaveMsg\"\n");
        break;
    case AcRx::kPreQuitMsg:
        OutputDebugStringA("Received \"AcRx::kPreQuitMsg\"\n");
        break;
    default:
        break;
    }
    return AcRx::kRetOK;
}
