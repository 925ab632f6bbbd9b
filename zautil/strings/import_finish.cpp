#include "strings/import_finish.h"

#include <cstdio>

#include "arx/acedads.h"
#include "layers/colour_sequence.h"

namespace zastrings {
namespace {

// "%13.3f,%13.3f", sized for any double.
std::string corner(double x, double y) {
    const int size = std::snprintf(nullptr, 0, "%13.3f,%13.3f", x, y);
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%13.3f,%13.3f", x, y);
    text.pop_back();
    return text;
}

void printEast(const ImportExtents& e, ExtentsReport report) {
    if (report == ExtentsReport::BeforeZoom) {
        acutPrintf("\n\n\rEast  %13.3f   %13.3f\n", e.minX, e.maxX);
        acutPrintf("\rNorth %13.3f   %13.3f\n\n", e.minY, e.maxY);
        return;
    }
    acutPrintf("\nEast  %13.3f   %13.3f\n", e.minX, e.maxX);
    acutPrintf("\nNorth %13.3f   %13.3f\n\n", e.minY, e.maxY);
}

}  // namespace

void colourCreatedLayers(const std::vector<std::string>& created) {
    if (created.empty()) return;
    acedCommandS(RTSTR, "-layer", RTNONE);
    for (std::size_t i = 0; i < created.size() && i < zaLayerColourSequence.size(); ++i) {
        const std::string colour = std::to_string(zaLayerColourSequence[i]);
        acedCommandS(RTSTR, "C", RTSTR, colour.c_str(), RTSTR, created[i].c_str(), RTNONE);
        acutPrintf("  at %d\n", static_cast<int>(i));
    }
    acedCommandS(RTNONE);
}

void showPointsAsCrosses() { acedCommandS(RTSTR, "pdmode", RTSTR, "3", RTNONE); }

void zoomToImport(const ImportExtents& extents, ExtentsReport report) {
    if (!extents.window()) {
        acedCommandS(RTSTR, "zoom", RTSTR, "e", RTNONE);
        return;
    }
    if (report == ExtentsReport::BeforeZoom) printEast(extents, report);
    const std::string lower = corner(extents.minX, extents.minY);
    const std::string upper = corner(extents.maxX, extents.maxY);
    acedCommandS(RTSTR, "zoom", RTSTR, "w", RTSTR, lower.c_str(), RTSTR, upper.c_str(), RTNONE);
    // Corners closer than the printed decimals make no window: end the
    // zoom rather than leave it waiting.
    acedCommandS(RTNONE);
    if (report == ExtentsReport::AfterZoom) printEast(extents, report);
}

std::optional<long long> importRate(std::int64_t count, std::int64_t milliseconds) {
    if (count <= 10 || milliseconds < 1) return std::nullopt;
    return static_cast<long long>(static_cast<double>(count) / (static_cast<double>(milliseconds) * 0.001));
}

}  // namespace zastrings
