// The export command both UROUT and TROUT run: selection, coordinate
// system, output file and its name, the entities, the summary.
#include <platform/dialog.h>
#include <platform/file_dialog.h>
#include <platform/message_box.h>

#include <optional>
#include <string>

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "dialogs/prompt_coordinate_dlg.h"
#include "drawing/selection.h"
#include "import/import_progress.h"
#include "settings/current_job.h"
#include "settings/job_path.h"
#include "settings/settings_record.h"
#include "settings/za_env.h"
#include "shell/za_advice.h"
#include "string_export/string_export_commands.h"
#include "string_export/xyz_export.h"
#include "shell/resource_scope.h"

namespace zastringexport {
namespace {

constexpr const char* kVersion = "V3.0.0  (Apr 2013)";
constexpr std::size_t kRestrictedNameLength = 8;
constexpr zaimport::ProgressStyle kProgress{"At entity %lld\n", zaimport::Pacing::RaiseLimitEachReport};

struct XYZFileKind {
    XYZKind kind;
    const char* letters;
    const char* upper;
    const char* cancelled;
    const char* filter;
    const char* title;
};

constexpr XYZFileKind kURFile{XYZKind::Binary, "ur", "UR", "\n*UROut Cancelled*\n",
                              "Zarvo Binary XYZ Files (*.ur?)|*.ur?||", "Create Zarvo Binary XYZ File"};
constexpr XYZFileKind kTRFile{XYZKind::Text, "tr", "TR", "\n*TROut Cancelled*\n",
                              "Zarvo Text XYZ Files (*.tr?)|*.tr?||", "Create Zarvo Text XYZ File"};

// 0 world or 1 user; nothing when the user cancelled the question.
std::optional<zadrawing::TargetSystem> targetSystem() {
    ZaSettings& settings = zaSettings();
    if (!settings.coordinateUseDefaults) {
        if (zashell::runDialog<ZPromptCoordinateDlg>(settings) != zplat::IDOK) return std::nullopt;
    }
    return zadrawing::targetOfPreference(settings.coordinatePreference);
}

std::optional<std::string> chooseOutputFile(const XYZFileKind& file, const std::string& directory) {
    zplat::FileDialog dialog(false, {}, {}, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, file.filter);
    dialog.setTitle(file.title);
    dialog.setInitialDir(directory);
    if (dialog.doModal() != zplat::IDOK) return std::nullopt;
    return dialog.pathName();
}

// The refusal of a name that is no job file of this kind, or nothing.
const char* nameRefusal(const std::string& path, const XYZFileKind& file, bool restrictLength) {
    const auto separator = path.find_last_of("/\\");
    const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) return "Please input the full filename including file extension.";
    if (name.size() - dot != 4) return "Please ensure that file extension is 3 characters.";
    if (!zaHasJobType(path, file.letters)) return "The extension entered is not valid.";
    if (restrictLength && dot != kRestrictedNameLength) return "The filename has to be 8 characters.";
    return nullptr;
}

void printSummary(const XYZExport& run, const std::string& path, double seconds) {
    acutPrintf("\nString File \"%s\"\n %d Points in %d Strings exported.\n", path.c_str(), run.points(), run.strings());
    const XYZCounts& c = run.counts();
    if (c.leftOut > 0) acutPrintf("%d arcs and circles left out, as asked.\n", c.leftOut);
    if (run.points() == 0) return;
    acutPrintf("Lines %d, Polylines %d, Points %d, Arcs %d, Circles %d, 3D Faces %d \n", c.lines, c.polylines,
               c.points, c.arcs, c.circles, c.faces);

    if (seconds > 1.0) {
        acutPrintf("Time taken %.2f seconds. Rate at %d points per second \n", seconds,
                   static_cast<int>(run.points() / seconds));
    }
}

// The entities in selection order; false when the export stopped, with
// `reached` the number converted before.
bool exportEntities(XYZExport& run, const zadrawing::Selection& selection, ads_int32& reached) {
    zaimport::ImportProgress progress(kProgress);
    reached = 0;
    const zadrawing::DrawingFault fault = zadrawing::forEachEntity(selection, [&](const ads_name, const resbuf* list) {
        if (progress.at(reached) && acedUsrBrk()) {
            acutPrintf("\n*Cancel*\n");
            return false;
        }
        if (!run.DoEntity(list)) return false;
        ++reached;
        return true;
    });
    if (const char* text = zadrawing::faultText(fault, kXYZTexts)) zaAdviceMessage(text);
    return fault == zadrawing::DrawingFault::None;
}

// Said on the command line as well, as a stopped file is easily missed.
void stopped(XYZExport& run, const XYZFileKind& file, const std::string& path, ads_int32 converted, ads_int32 length) {
    run.abandon();
    if (run.cancelled()) return static_cast<void>(acutPrintf("%s", file.cancelled));
    if (run.fileFailed()) zaAdviceMessage(run.fileFailure().c_str());
    acutPrintf("\nExport stopped after %d of %d entities: \"%s\" has not been written.\n", converted, length,
               path.c_str());
}

void zaXYZFile(const XYZFileKind& file) {
    XYZExport run(file.kind, zaSettings());
    acutPrintf("\nZARVO Software %s Export [%s]\n", file.upper, kVersion);
    zadrawing::Selection selection;
    if (const zadrawing::DrawingFault fault = selection.choose(); fault != zadrawing::DrawingFault::None) {
        if (const char* text = zadrawing::faultText(fault, kXYZTexts)) zaAdviceMessage(text);
        return;
    }
    const ads_int32 length = selection.size();
    // A cancelled question about the system cancels the export: nothing is
    // written in a system the user did not choose.
    const auto target = targetSystem();
    if (!target) return static_cast<void>(acutPrintf("%s", file.cancelled));
    run.setTarget(*target);

    const ZsAcEnviron environment;
    const auto path = chooseOutputFile(file, environment.job.directory);
    if (!path) return static_cast<void>(acutPrintf("%s", file.cancelled));
    if (const char* refusal = nameRefusal(*path, file, zaSettings().restrictFileNameLength)) {
        AfxMessageBox(refusal);
        return static_cast<void>(acutPrintf("%s", file.cancelled));
    }

    const std::int64_t started = zaimport::monotonicMilliseconds();
    if (!run.open(*path)) {
        zaAdviceMessage("Cannot open output file\nMaybe access to directory restricted\n");
        return;
    }
    acutPrintf("Writing to \"%s\".\n", path->c_str());
    acutPrintf("Records (%d) \n", length);
    ads_int32 reached = 0;
    if (!exportEntities(run, selection, reached)) return stopped(run, file, *path, reached, length);
    acutPrintf("Records complete \n");
    if (!run.finish()) return stopped(run, file, *path, length, length);
    if (run.limitedArcs() > 0) {
        acutPrintf("\n%d arcs asked for more than %d points each and were divided into that many.\n",
                   run.limitedArcs(), kZaMostArcSteps);
    }

    const ZaSettings& settings = zaSettings();
    const bool saveJob = file.kind == XYZKind::Binary ? settings.saveJobUROUT : settings.saveJobTROUT;
    if (saveJob) zaSetCurrentJob(*path);
    const double seconds = static_cast<double>(zaimport::monotonicMilliseconds() - started) * 0.001;
    printSummary(run, *path, seconds);
}

}  // namespace
}  // namespace zastringexport

void zaUROUT() { zastringexport::zaXYZFile(zastringexport::kURFile); }
void zaTROUT() { zastringexport::zaXYZFile(zastringexport::kTRFile); }
