#include "strings/string_import.h"

#include <cstdlib>

#include "arx/acedads.h"
#include "settings/path_text.h"
#include "settings/settings_record.h"
#include "strings/import_progress.h"

namespace zastrings {
namespace {

ImportSettings importSettings(const ZaSettings& s) {
    return {s.useDialogs,       s.colourLayers, s.polyline3D,  s.addLayers,  layerNameRules(s),
            s.mapPreference,    s.mapPath,      s.saveJobURIN, s.saveJobTRIN};
}

// Where the suite would be on a machine without its key: "zarvo" at the
// root of the current drive.
std::string fallbackInstallDir() {
    const char* root = std::getenv("ZARVO_DRIVE_ROOT");
    return (root && *root ? zaWithSeparator(root) : std::string("/")) + "zarvo";
}

}  // namespace

StringImport::StringImport()
    : settings_(importSettings(zaSettings())), polyline3D_(settings_.polyline3D), layers_(settings_.rules, map_) {
    if (environment_.found) {
        penPath_ = environment_.penPath;
        return;
    }
    acutPrintf("\nCould not locate Zarvo installation directory.\n");
    penPath_ = zaWithSeparator(fallbackInstallDir()) + "plot.pen";
}

const std::string& StringImport::layerOf(const StringRecord& record) {
    static const std::string currentLayer;
    if (!settings_.addLayers) return currentLayer;
    return layers_.layerOf(record.text.view());
}

bool StringImport::loadLayerMap() {
    return LoadLayerMapFile(settings_.mapPreference, settings_.mapPath, environment_.job.directory, settings_.rules,
                            map_);
}

void StringImport::finish(ExtentsReport report) {
    if (settings_.colourLayers) colourCreatedLayers(layers_.created());
    showPointsAsCrosses();
    zoomToImport(extents_, report);
}

std::int64_t StringImport::elapsedMilliseconds() const { return importClockMilliseconds() - started_; }

}  // namespace zastrings
