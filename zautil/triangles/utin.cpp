// UTIN's questions: the edges to show, the file, and the method, on the
// command line or in the import dialog as the settings say.
#include "triangles/utin.h"

#include <platform/message_box.h>

#include <array>
#include <optional>
#include <string>

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "files/file_tests.h"
#include "import/open_file_dialog.h"
#include "settings/current_job.h"
#include "settings/job_path.h"
#include "settings/path_text.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"
#include "triangles/lut_dialog.h"
#include "triangles/triangle_import.h"
#include "triangles/triangle_options.h"
#include "shell/resource_scope.h"

namespace zatriangles {
namespace {

constexpr std::array<const char*, 4> kEdgeNames = {"Breaklines only", "All edges", "No edges",
                                                   "boundaries, Streams and Ridges"};
constexpr std::array<const char*, 4> kMethodKeywords = {"MESH", "SOLIDS", "FACES", "CATCH"};

void keepForNextTime(const TriangleOptions& options) {
    ZaSettings& settings = zaSettings();
    settings.utMethod = static_cast<int>(options.method);
    settings.utEdges = static_cast<int>(options.edges);
    zaWriteSettingsGroup(settings, ZaSettingsGroup::UtImport);
}

// The answer's first letter decides; Enter or a cancel keeps the mode.
EdgeDisplay askEdgeDisplay(EdgeDisplay current) {
    const std::string prompt = std::string("Show Triangle edges, None, All Breaklines, Ridges (N/A/B/R) <") +
                               kEdgeNames[static_cast<std::size_t>(current)] + ">: ";
    // Ridges as a keyword too: the prompt offers it.
    acedInitGet(0, "Breaklines All None Ridges");
    char answer[32] = "";
    if (acedGetKword(prompt.c_str(), answer) != RTNORM) return current;
    switch (answer[0]) {
    case 'A': case 'a': return EdgeDisplay::All;
    case 'B': case 'b': return EdgeDisplay::Breaklines;
    case 'N': case 'n': return EdgeDisplay::None;
    case 'R': case 'r': case 'S': case 's': return EdgeDisplay::BoundariesStreamsRidges;
    default: return current;
    }
}

ImportMethod methodOfKeyword(const char* keyword) {
    switch (keyword[0]) {
    case 'M': case 'm': return ImportMethod::Mesh;
    case 'S': case 's': return ImportMethod::Solids;
    case 'F': case 'f': return ImportMethod::Faces;
    case 'C': case 'c': return ImportMethod::Catchment;
    default:
        AfxMessageBox("Unable to determine the UT import method, using default");
        return ImportMethod::Mesh;
    }
}

// Nothing when the user cancels.
std::optional<ImportMethod> askMethod(const std::string& utPath, ImportMethod current) {
    const char* shown = kMethodKeywords[static_cast<std::size_t>(current)];
    const std::string prompt = "Load \"" + utPath + "\" as 3D polyface mesh, 2D SOLIDs or 3DFACEs?\nMesh/Solids/Faces <" +
                               shown + ">: ";
    for (;;) {
        // Catch as a keyword too, so that the default shown can be typed.
        acedInitGet(0, "Mesh Solids Faces Catch");
        char answer[32] = "";
        const int status = acedGetKword(prompt.c_str(), answer);
        if (status == RTCAN) return std::nullopt;
        if (status == RTNONE) return methodOfKeyword(shown);
        if (status == RTNORM) return methodOfKeyword(answer);
    }
}

bool missing(const std::string& path) {
    if (zafiles::isFile(path)) return false;
    acutPrintf("\nZarvo Triangle File \"%s\" does not exist, cancelling import\n", path.c_str());
    return true;
}

// The import dialog; nothing when it was cancelled.
std::optional<std::string> askInDialog(TriangleOptions& options) {
    ZPromptLUTDlg dialog(adsw_acadMainWnd());
    dialog.method = static_cast<int>(options.method);
    dialog.edges = static_cast<int>(options.edges);
    dialog.useTriangleLayerFile = options.useTriangleLayerFile;
    const int result = [&dialog] {
        const zashell::ResourceScope scope;
        return dialog.doModal();
    }();
    options.method = importMethodOf(dialog.method);
    options.edges = edgeDisplayOf(dialog.edges);
    keepForNextTime(options);
    if (result != zplat::IDOK) {
        acutPrintf("\n*Zarvo Triangle File import Cancelled\n");
        return std::nullopt;
    }
    std::string path = zaWithSeparator(dialog.directory) + dialog.jobName + "." + dialog.extension;
    if (!dialog.run.empty()) path += dialog.run.front();
    acutPrintf("\nFile name <%s>\n", path.c_str());
    return path;
}

std::optional<std::string> askForFile(const std::string& currentJob) {
    ZaJobPathParts job;
    zaSplitJobPath(currentJob, job);
    zaimport::OpenFileRequest request;
    request.title = "Open ZARVO UT File";
    request.filter = "ZARVO UT File (*.ut?)|*.ut?||";
    request.directory = job.directory;
    request.mustExist = true;
    return zaimport::chooseFileToOpen(request);
}

// What to draw and how, then the drawing.
void runUTIN() {
    TriangleOptions options = triangleOptions(zaSettings());
    std::string currentJob;
    zaGetCurrentJob(currentJob);
    if (!options.useDialogs) {
        options.edges = askEdgeDisplay(options.edges);
        keepForNextTime(options);
    }
    acutPrintf("Current Zarvo job \"%s\" ", currentJob.c_str());
    if (currentJob.empty()) {
        acutPrintf("\nNo Zarvo files found good bye\n");
        return;
    }
    std::optional<std::string> path;
    if (options.useDialogs && !options.useDefaults) {
        path = askInDialog(options);
        if (!path || missing(*path)) return;
    } else {
        path = askForFile(currentJob);
        if (!path || missing(*path)) return;
        if (!options.useDefaults) {
            const auto method = askMethod(*path, options.method);
            if (!method) return;
            options.method = *method;
            options.useTriangleLayerFile = false;
        }
    }
    importTriangles(options, *path);
}

}  // namespace
}  // namespace zatriangles

void zaUTIN() { zatriangles::runUTIN(); }
