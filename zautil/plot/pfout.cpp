#include "plot/pfout.h"

#include <platform/file_dialog.h>
#include <platform/message_box.h>

#include <optional>
#include <string>

#include "arx/acedads.h"
#include "drawing/selection.h"
#include "files/file_tests.h"
#include "plot/plot_export.h"
#include "plot/plot_file_filter.h"
#include "plot/plot_file_name.h"
#include "settings/current_job.h"
#include "settings/settings_record.h"
#include "settings/za_env.h"

namespace {

// The pen table's mode word of an export.
constexpr int kExportPenMode = 60;

void reportCancellation() {
    acutPrintf("*PFOut Cancelled  (Maybe file not correct extension)*\n");
    acutPrintf("Check if plot.lay exists\n");
    acutPrintf("Check if plot.pen exists\n");
    acutPrintf("Check if Zarvo installed\n");
    AfxMessageBox("Pfout cancelled");
}

std::optional<std::string> chooseNewPlotFile(const ZsAcEnviron& env) {
    zplat::FileDialog dialog(false, {}, env.currentJob, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kZaNewPlotFileFilter);
    dialog.setTitle("Create ZARVO Plot File");
    if (dialog.doModal() != zplat::IDOK) return std::nullopt;
    return dialog.pathName();
}

bool nameAccepted(const std::string& path) {
    const ZaPlotNameCheck check = zaCheckPlotFileName(path, zaSettings().restrictFileNameLength);
    if (check == ZaPlotNameCheck::Accepted) return true;
    if (const char* refusal = zaPlotNameRefusal(check)) AfxMessageBox(refusal);
    reportCancellation();
    return false;
}

// Without its layer table an export could name no layer, so every entity
// would come back on layer 0: nothing is written instead.
bool exportPlotFile(const ZsAcEnviron& env, const std::string& path, const zadrawing::Selection& selection,
                    ZaPlotTables& tables) {
    tables.pens.load(env.penPath, kExportPenMode);
    if (!tables.layers.load(env.layPath)) {
        acutPrintf("\nCorrupt plot layer file '%s': no plot file written\n", env.layPath.c_str());
        return false;
    }
    return zaWritePlotFile(path, selection, tables, zaSettings().xyzCreatePoint);
}

// A failed export has said why, and is neither completed nor the current job.
void run(const ZsAcEnviron& env, ZaPlotTables& tables) {
    const std::optional<std::string> path = chooseNewPlotFile(env);
    if (!path) {
        acutPrintf("*PFOut Cancelled*\n");
        return;
    }
    if (!nameAccepted(*path)) return;
    // Any answer but a selection ends the command without a word.
    zadrawing::Selection selection;
    if (selection.choose() != zadrawing::DrawingFault::None) return;
    if (!exportPlotFile(env, *path, selection, tables)) return;
    if (zaSettings().saveJobPFOUT && zaSetCurrentJob(*path)) {
        acutPrintf("\n*Plot file file has been saved as current job.*\n");
    }
    acutPrintf("*PFOut Completed*\n");
}

}  // namespace

void zaPFOUT() {
    const ZsAcEnviron env;
    if (!env.found) {
        acutPrintf("\nCould not find Zarvo installation directory.\n");
        return;
    }
    if (!zafiles::isFile(env.layPath) || !zafiles::isFile(env.penPath)) {
        reportCancellation();
        return;
    }
    ZaPlotTables tables;
    run(env, tables);
    // The questions about new and changed pens come last, after the export.
    if (!tables.layers.rows().empty()) tables.layers.save();
    if (!tables.pens.rows().empty()) tables.pens.confirmAndSave();
}
