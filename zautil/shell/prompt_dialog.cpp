#include "shell/prompt_dialog.h"

#include <platform/message_box.h>

#include "arx/acedads.h"
#include "shell/resource_scope.h"

namespace zashell {

PromptRun runPromptDialog(zplat::Dialog& dialog, int& result, const char* failedLine) {
    {
        const ResourceScope scope;
        result = dialog.doModal();
    }
    if (result == IDOK) return PromptRun::Confirmed;
    if (result != -1) return PromptRun::Cancelled;
    acutPrintf("%s", failedLine);
    const int answer = AfxMessageBox(
        "The settings dialog failed to init.\nPlease report it to Zarvo Software\n\nDo you want to continue with the "
        "current settings?",
        MB_YESNO | MB_ICONQUESTION);
    return answer == IDYES ? PromptRun::NotShown : PromptRun::Cancelled;
}

}  // namespace zashell
