#include <optional>
#include <string>

#include "arx/acedads.h"
#include "files/file_tests.h"
#include "import/open_file_dialog.h"
#include "settings/current_job.h"
#include "string_import/string_import.h"
#include "string_import/string_import_commands.h"

namespace {

constexpr const char* kVersion = "V3.0.0  (Mar 2013)";

// True for 3D; nothing when the question was cancelled.
std::optional<bool> ask3D() {
    std::string answer(16, '\0');
    acedInitGet(0, "Yes No");
    const int status = acedGetKword("\nImport as 3D Polyline, No or <Yes> : ", answer.data(), answer.size());
    if (status == RTNONE) return true;
    if (status != RTNORM) return std::nullopt;
    return std::string_view(answer.c_str()) != "No";
}

void cancelled() { acutPrintf("\n*ImportTrFile - Cancelled*\n"); }

}  // namespace

void zaTRIN() {
    zastringimport::StringImport import;
    acutPrintf("\nTRIN Import Version %s\n  %s", kVersion, import.currentJob().c_str());
    acutPrintf("\nplot.Pen name <%s>\n", import.penPath().c_str());
    if (!zafiles::isFile(import.penPath())) {
        acutPrintf("\nThe Zarvo Software system file '%s' does not exist.  Contact vendor", import.penPath().c_str());
        return;
    }
    const auto path = zaimport::chooseFileToOpen(
        "Open ZARVO Universal Transfer File",
        "Universal Transfer File (*.tr? )|*.tr?|Universal Transfer Model (*.tm? )|*.tm?|All files (*.*)|*.*||",
        import.jobDirectory());
    if (!path) return cancelled();
    if (!zafiles::isFile(*path)) {
        acutPrintf("\nThe selected ascii string file '%s' does not exist", path->c_str());
        return;
    }
    if (!import.settings().useDialogs) {
        const auto polyline3D = ask3D();
        if (!polyline3D) return cancelled();
        import.setPolyline3D(*polyline3D);
    }

    if (!import.importTR(*path)) {
        acutPrintf("\n*ImportTrFile - Help\n");
        acutPrintf("\n*ImportTrFile - %s\n", import.lastError().c_str());
        acedAlert(import.lastError().c_str());
        return;
    }
    if (import.settings().saveJobTRIN && zaSetCurrentJob(*path)) {
        acutPrintf("\n*TR file has been saved as current job.*\n");
    }
    acutPrintf("\n*ImportTrFile - Completed*\n");
}
