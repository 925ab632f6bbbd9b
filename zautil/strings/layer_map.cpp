#include "strings/layer_map.h"

#include <algorithm>
#include <new>
#include <optional>

#include "arx/acedads.h"
#include "import/open_file_dialog.h"
#include "shell/za_advice.h"
#include "files/byte_source.h"
#include "files/text_rules.h"

namespace zastrings {
namespace {

constexpr std::size_t kKeyLimit = 19;

bool skipped(std::string_view line) { return line[0] == '#' || line[0] == '/' || line[0] == '$'; }

// The text between the first two double quotes, with only white space
// before the first: at least one and at most 19 characters, as " \"%19[^\"]"
// scans it.
std::optional<std::string_view> keyOf(std::string_view line) {
    std::size_t at = 0;
    while (at < line.size() && zafiles::isCSpace(line[at])) ++at;
    if (at == line.size() || line[at] != '"') return std::nullopt;
    const std::string_view rest = line.substr(at + 1);
    const std::string_view key = rest.substr(0, std::min(rest.find('"'), kKeyLimit));
    if (key.empty()) return std::nullopt;
    return key;
}

// What follows the first '=' and the spaces after it, both found within
// the first n characters; at most n - 1 characters of it.
std::string_view valueOf(std::string_view line, int maximumSize) {
    const auto n = static_cast<std::size_t>(std::clamp<long long>(maximumSize, 0, static_cast<long long>(line.size()) + 1));
    const std::string_view head = line.substr(0, n);
    std::size_t at = head.find('=');
    if (at == std::string_view::npos) return {};
    ++at;
    while (at < head.size() && head[at] == ' ') ++at;
    if (at >= head.size()) return {};
    return line.substr(at, n - 1);
}

}  // namespace

const std::string* LayerMap::find(const std::string& lowerName) const {
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
        if (acutWcMatch(lowerName.c_str(), entry->key.c_str()) == RTNORM) return &entry->layer;
    }
    return nullptr;
}

bool readLayerMap(zafiles::LineReader& lines, const std::string& path, const LayerNameRules& rules, LayerMap& map) {
    acutPrintf("Zarvo Layer look up map:\n");
    // Lines are taken as a text-mode read gives them, ended by a line feed,
    // so none is empty: the value runs to the line's end and the echo of
    // each line ends it.
    std::string line;
    std::string layer;
    int number = 0;
    for (auto text = lines.next(); text; text = lines.next(), ++number) {
        line.assign(*text);
        line += '\n';
        if (skipped(line)) {
            acutPrintf("skip 1");
        } else if (const auto key = keyOf(line); !key) {
            acutPrintf("scanf fails");
        } else {
            const std::string_view value = valueOf(line, rules.maximumSize);
            if (value.empty()) {
                acutPrintf("ERROR: file: \"%s\": line %d: Bad layer map file line\n", path.c_str(), number);
                return false;
            }
            cleanMapValue(value, rules, layer);
            try {
                std::string lowerKey(*key);
                zafiles::lowerInPlace(lowerKey);
                map.add(std::move(lowerKey), layer);
            } catch (const std::bad_alloc&) {
                zaAdviceMessage("Out of memory\nZarvo_AutoCAD code error\n");
                return false;
            }
        }
        acutPrintf("1 %d  %s", number, line.c_str());
    }
    return true;
}

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
    zafiles::LineReader lines(std::move(source));
    return readLayerMap(lines, path, rules, map);
}

}  // namespace zastrings
