#include "string_import/string_import.h"

#include "arx/acedads.h"
#include "import/import_progress.h"
#include "import/layer_colouring.h"
#include "settings/path_text.h"
#include "settings/settings_record.h"

namespace zastringimport {
namespace {

ImportSettings importSettings(const ZaSettings& s) {
    return {s.useDialogs,       s.colourLayers, s.polyline3D,  s.addLayers,  layerNameRules(s),
            s.mapPreference,    s.mapPath,      s.saveJobURIN, s.saveJobTRIN};
}

// Where the suite would be on a machine without its key: "zarvo" at the
// root of the current drive.
std::string fallbackInstallDir() { return zaDriveRoot() + "zarvo"; }

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

void StringImport::finish(const zaimport::ExtentsReport& report) {
    if (settings_.colourLayers) zaimport::colourLayersInTurn(layers_.created());
    zaimport::showPointsAsCrosses();
    zaimport::zoomToImport(extents_, report);
}

double StringImport::elapsedSeconds() const {
    return static_cast<double>(zaimport::monotonicMilliseconds() - started_) * 0.001;
}

}  // namespace zastringimport
