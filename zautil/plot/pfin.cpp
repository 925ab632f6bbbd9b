#include "plot/pfin.h"

#include <platform/dialog.h>
#include <platform/file_dialog.h>

#include <filesystem>
#include <optional>

#include "arx/acedads.h"
#include "plot/plot_file_filter.h"
#include "plot/plot_import.h"
#include "settings/current_job.h"
#include "settings/path_text.h"
#include "settings/settings_record.h"

namespace {

// The chosen path, or nothing when the dialog was cancelled.
std::optional<std::string> choosePlotFile(const ZsAcEnviron& env) {
    zplat::FileDialog dialog(true, {}, zaProposedPlotFile(env.job), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                             kZaPlotFileFilter);
    dialog.setTitle("Open ZARVO Plot File");
    dialog.setInitialDir(zaWithSeparator(env.job.directory));
    if (dialog.doModal() != zplat::IDOK) return std::nullopt;
    return dialog.pathName();
}

bool isFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
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
    if (!isFile(*path)) {
        acutPrintf("\nThe selected plot file '%s' does not exist", path->c_str());
        return;
    }
    acutPrintf("\nThe selected plot file is %s.\n", path->c_str());
    import.readPlotFile(*path);
    // Honoured as the plot queue honours it, so both imports of a plot file
    // agree on what becomes the current job.
    if (zaSettings().saveJobPFIN && zaSetCurrentJob(*path)) {
        acutPrintf("\n*Plot Job has been saved as current job.*\n");
    }
    acutPrintf("\n*ImportPlotFile - Completed*\n");
}
