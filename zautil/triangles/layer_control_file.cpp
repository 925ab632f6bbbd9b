#include "triangles/layer_control_file.h"

#include "files/scan_fields.h"
#include "files/text_rules.h"

namespace zatriangles {
namespace {

// The suite reads at most this much of a line.
constexpr std::size_t kLineLength = 79;

// The word as a layer name: up to the first character a name cannot hold.
std::string cleanedName(std::string_view word) {
    std::string name;
    for (const char c : word) {
        const char upper = zafiles::upperAscii(c);
        if (!zafiles::keptInLayerName(upper)) break;
        name += upper;
    }
    return name;
}

// "%lf%s": a number, then a word of anything but white space.
bool scanEntry(std::string_view line, double& slope, std::string_view& word) {
    zafiles::Scan scan(line);
    if (!scan.real(slope)) return false;
    std::string_view rest = scan.rest();
    rest = zafiles::trimLeadingCSpace(rest);
    std::size_t length = 0;
    while (length < rest.size() && !zafiles::isCSpace(rest[length])) ++length;
    word = rest.substr(0, length);
    return !word.empty();
}

}  // namespace

ControlFault readLayerControl(zafiles::LineReader& lines, std::vector<SlopeEntry>& entries) {
    double previous = 0.0;
    while (const auto read = lines.next()) {
        const std::string_view line = read->substr(0, kLineLength);
        if (!line.empty() && line.front() == '#') continue;
        double slope = 0;
        std::string_view word;
        if (!scanEntry(line, slope, word)) continue;
        std::string layer = cleanedName(word);
        if (layer.empty()) return ControlFault::BadLayerName;
        if (slope < previous) return ControlFault::NotAscending;
        previous = slope;
        entries.push_back({slope, std::move(layer)});
    }
    return ControlFault::None;
}

SlopeLayer slopeLayerOf(const std::vector<SlopeEntry>& entries, double slope) {
    int position = 1;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry, ++position) {
        if (entry->slope <= slope) return {&entry->layer, position};
    }
    return {nullptr, 0};
}

}  // namespace zatriangles
