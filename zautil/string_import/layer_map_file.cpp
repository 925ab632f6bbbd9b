// The layer map of a string import, read from the file the settings choose
// and shown to the user line by line.
#include "arx/acedads.h"
#include "files/byte_source.h"
#include "import/open_file_dialog.h"
#include "shell/za_advice.h"
#include "string_import/layer_map.h"

namespace zastringimport {
namespace {

void echoLine(int number, const std::string& line) { acutPrintf("1 %d  %s", number, line.c_str()); }

}  // namespace

bool LoadLayerMapFile(int preference, const std::string& storedPath, const std::string& jobDirectory,
                      const LayerNameRules& rules, LayerMap& map) {
    std::string path;
    if (preference == 1) {
        const auto chosen = zaimport::chooseFileToOpen("Select a Layer Map File to use",
                                                       "Layer Map Files (*.map )|*.map||", jobDirectory);
        if (!chosen) return true;
        path = *chosen;
    } else if (preference == 2 || preference == 3) {
        path = storedPath;
    } else {
        return false;
    }
    auto source = zafiles::openFileSource(path);
    if (!source) {
        zaAdviceMessage("Cannot open layer control file\nZarvo_AutoCAD layer lookup fails");
        return false;
    }
    acutPrintf("Zarvo Layer look up map:\n");
    zafiles::LineReader lines(std::move(source));
    const LayerMapRead read = readLayerMap(lines, rules, map, echoLine);
    switch (read.outcome) {
    case LayerMapRead::Outcome::Read:
        return true;
    case LayerMapRead::Outcome::BadLine:
        acutPrintf("ERROR: file: \"%s\": line %d: Bad layer map file line\n", path.c_str(), read.line);
        return false;
    }
    return false;
}

}  // namespace zastringimport
