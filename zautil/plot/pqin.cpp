#include "plot/pqin.h"

#include <string>

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "files/file_tests.h"
#include "plot/plot_import.h"
#include "plot/plot_queue_dialog.h"
#include "settings/current_job.h"
#include "settings/settings_record.h"
#include "shell/resource_scope.h"

namespace {

// The file chosen in the queue dialog, shown again on each other queue the
// user moves to; empty when the user quit.
std::string chooseQueuedFile() {
    for (;;) {
        const zashell::ResourceScope scope;
        ZPlotQueueDlg dialog(adsw_acadMainWnd());
        const int result = dialog.doModal();
        if (dialog.reopen()) continue;
        if (result != zplat::IDOK) return {};
        return dialog.chosenFile();
    }
}

}  // namespace

void zaPQIN() {
    ZaPlotImport import;
    if (!import.ready()) return;
    const std::string path = chooseQueuedFile();
    if (path.empty()) return;
    if (!zafiles::isFile(path)) {
        acutPrintf("\nThe selected plot file '%s' does not exist\n", path.c_str());
        return;
    }
    if (!import.readPlotFile(path)) return;
    if (zaSettings().saveJobPFIN && zaSetCurrentJob(path)) {
        acutPrintf("\n*Plot Job has been saved as current job.*\n");
    }
    acutPrintf("*Import Plot.que Completed*\n");
}
