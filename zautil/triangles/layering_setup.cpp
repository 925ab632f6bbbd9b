// The layering of solids and faces, chosen by the layer control preference.
#include <optional>
#include <string>
#include <vector>

#include "arx/acedads.h"
#include "files/line_reader.h"
#include "import/open_file_dialog.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"
#include "shell/za_advice.h"
#include "triangles/layer_control_file.h"
#include "triangles/triangle_layer_file.h"
#include "triangles/triangle_load.h"

namespace zatriangles {
namespace {

std::string directoryOf(const std::string& path) {
    const auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

// Under preference 1 the user picks the file, which becomes the setting.
std::optional<std::string> chosenControlFile(const std::string& current) {
    zaimport::OpenFileRequest request;
    request.title = "Open Layer Control Files";
    request.filter = "Layer Control Files (*.ctl)|*.ctl||";
    request.directory = directoryOf(current);
    request.mustExist = true;
    auto path = zaimport::chooseFileToOpen(request);
    if (!path) return std::nullopt;
    ZaSettings& settings = zaSettings();
    settings.ctlPath = *path;
    zaWriteSettingsGroup(settings, ZaSettingsGroup::CtlFile);
    return path;
}

const char* controlFaultText(ControlFault fault) {
    if (fault == ControlFault::BadLayerName) return "Bad layer name\nZarvo_AutoCAD layer file corrupt\n";
    return "Slope must be greater than in previous control file entry\nZarvo_AutoCAD control file not in ascending "
           "order of slope\n";
}

// The control file's entries, printed as they stand; nothing after a failure.
std::optional<std::vector<SlopeEntry>> readControlFile(const std::string& path) {
    auto source = zafiles::openFileSource(path);
    if (!source) {
        zaAdviceMessage("Cannot open layer control file\nZarvo_AutoCAD layer file not found\n");
        return std::nullopt;
    }
    acutPrintf("Control file is \"%s\"\nLayer Map:\n", path.c_str());
    zafiles::LineReader lines(std::move(source));
    std::vector<SlopeEntry> entries;
    const ControlFault fault = readLayerControl(lines, entries);
    for (const SlopeEntry& entry : entries) acutPrintf("%6.2f%% and over: %s\n", entry.slope, entry.layer.c_str());
    if (fault == ControlFault::None) return entries;
    zaAdviceMessage(controlFaultText(fault));
    return std::nullopt;
}

bool setUpScheme(TriangleLoad& load) {
    TriangleLayering& layering = load.layering;
    const int preference = load.options.ctlPreference;
    if (preference == 0) {
        acutPrintf("Use layer 0 for everything\n");
        layering.usePaintNumbers(triangleLayerNames());
        return true;
    }
    if (preference == 3) {
        acutPrintf("Use 36 layers at 10 degrees\n");
        layering.useAspects();
        return true;
    }
    const auto path = preference == 1 ? chosenControlFile(load.options.ctlPath) : load.options.ctlPath;
    if (!path) {
        acutPrintf("Use layer 0 for everything\n");
        layering.useSlopes({}, false);
        return true;
    }
    auto entries = readControlFile(*path);
    if (!entries) return false;
    layering.useSlopes(std::move(*entries), true);
    return true;
}

}  // namespace

bool setUpLayering(TriangleLoad& load) {
    const bool ready = setUpScheme(load);
    acutPrintf("Colour control set up (%d).\n", ready ? 1 : 0);
    return ready;
}

}  // namespace zatriangles
