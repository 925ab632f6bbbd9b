#include "levels/level_dialog_run.h"

#include <platform/message_box.h>

#include "arx/acedads.h"
#include "arx/rxapi.h"

ZaDialogRun zaRunLevelDialog(zplat::Dialog& dialog, int& result, const char* failedLine) {
    acDocManagerPtr()->pushResourceHandle(nullptr);
    result = dialog.doModal();
    acDocManagerPtr()->popResourceHandle();
    if (result == IDOK) return ZaDialogRun::Confirmed;
    if (result != -1) return ZaDialogRun::Cancelled;
    acutPrintf("%s", failedLine);
    const int answer = AfxMessageBox(
        "The settings dialog failed to init.\nPlease report it to Zarvo Software\n\nDo you want to continue with the "
        "current settings?",
        MB_YESNO | MB_ICONQUESTION);
    return answer == IDYES ? ZaDialogRun::NotShown : ZaDialogRun::Cancelled;
}
