#include "plot/pfin.h"

#include <optional>

#include "arx/acedads.h"
#include "files/file_tests.h"
#include "import/open_file_dialog.h"
#include "plot/plot_file_filter.h"
#include "plot/plot_import.h"
#include "settings/current_job.h"
#include "settings/path_text.h"
#include "settings/settings_record.h"

namespace {

// The chosen path, or nothing when the dialog was cancelled.
std::optional<std::string> choosePlotFile(const ZsAcEnviron& env) {
    return zaimport::chooseFileToOpen({.title = "Open ZARVO Plot File",
                                       .filter = kZaPlotFileFilter,
                                       .directory = zaWithSeparator(env.job.directory),
                                       .proposedName = zaProposedPlotFile(env.job),
                                       .mustExist = true});
}

}  // namespace

std::string zaProposedPlotFile(const ZaJobPathParts& job) {
    if (job.name.empty()) return {};
    return job.name + ".p1" + (job.run.empty() ? std::string("1") : job.run);
}

void zaPFIN() {
    ZaPlotImport import;
    if (!import.ready()) return;
    import.setUpTextStyle();
    const std::optional<std::string> path = choosePlotFile(import.environment());
    if (!path) {
        acutPrintf("\n*ImportPlotFile - Cancelled*\n");
        return;
    }
    if (!zafiles::isFile(*path)) {
        acutPrintf("\nThe selected plot file '%s' does not exist", path->c_str());
        return;
    }
    acutPrintf("\nThe selected plot file is %s.\n", path->c_str());
    // A file that gave nothing has said why: not completed, not the job.
    if (!import.readPlotFile(*path)) return;
    // Honoured as the plot queue honours it, so both imports of a plot file
    // agree on what becomes the current job.
    if (zaSettings().saveJobPFIN && zaSetCurrentJob(*path)) {
        acutPrintf("\n*Plot Job has been saved as current job.*\n");
    }
    acutPrintf("\n*ImportPlotFile - Completed*\n");
}
