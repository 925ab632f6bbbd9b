#include <platform/message_box.h>

#include "arx/acedads.h"
#include "import/open_file_dialog.h"
#include "settings/current_job.h"
#include "settings/job_path.h"
#include "shell/za_advice.h"
#include "string_import/string_import.h"
#include "string_import/string_import_commands.h"
#include "string_import/ur_report.h"

namespace {

constexpr const char* kVersion = "V3.0.0  (Feb 2013)";

const char* yesNo(bool value) { return value ? "Yes" : "No"; }

}  // namespace

void zaURIN() {
    zastringimport::StringImport import;
    acutPrintf("\n\"URIN UR Import Version %s\"\n", kVersion);
    acutPrintf("Current Zarvo job  \"%s\" \n", import.currentJob().c_str());
    auto path = zaimport::chooseFileToOpen("Open Zarvo UR File", "Zarvo UR File (*.ur?)|*.ur?||", import.jobDirectory());
    if (!path) return;
    if (!UpdateJobName(&*path, "ur", false)) {
        const std::string text =
            "Invalid file selected must be a ur file.. aborting \n" + zastringimport::urFileReason(*path);
        zaAdviceMessage(text.c_str());
        return;
    }
    if (!import.settings().useDialogs) {
        import.setPolyline3D(AfxMessageBox("Import as a 3D Polyline?", MB_YESNO | MB_ICONQUESTION) == IDYES);
    }
    const zastringimport::LayerNameRules& rules = import.settings().rules;
    acutPrintf("\nImporting as 3D Polylines %s (uses elevation)\n", yesNo(import.polyline3D()));
    acutPrintf("URIN load <%s>\n", path->c_str());
    acutPrintf("Use numerics in layers %s\n", yesNo(rules.includeNumerics));
    acutPrintf("End name on first space in code %s\n", yesNo(rules.endNameAtSpace));

    // A file refused before anything was drawn is not worth recording.
    if (import.importUR(*path) && import.settings().saveJobURIN && zaSetCurrentJob(*path)) {
        acutPrintf("\nparameter file has been saved as current job.*\n");
    }
}
