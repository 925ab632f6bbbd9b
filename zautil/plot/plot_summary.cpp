#include "plot/plot_summary.h"

#include <cstdio>
#include <string>

#include "arx/acedads.h"
#include "plot/plot_reader.h"

namespace {

// "%13.3f,%13.3f", sized for any double.
std::string corner(double x, double y) {
    const int size = std::snprintf(nullptr, 0, "%13.3f,%13.3f", x, y);
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%13.3f,%13.3f", x, y);
    text.pop_back();
    return text;
}

}  // namespace

void zaReportPlotProblems(const ZaPlotReader& reader) {
    if (reader.skippedRecords() > 0) {
        acutPrintf("\n%lld records with numbers out of range passed over\n",
                   static_cast<long long>(reader.skippedRecords()));
    }
    if (reader.refusedEntities() > 0) {
        acutPrintf("\n%lld polylines or texts could not be made\n", static_cast<long long>(reader.refusedEntities()));
    }
}

void zaReportPlotTiming(std::int64_t lines, double seconds) {
    const auto n = static_cast<long long>(lines);
    acutPrintf("At %lld seconds %.2f \n", n, seconds);
    acutPrintf("\nImport %lld lines complete in %.2f seconds\n", n, seconds);
    const long long rate = n >= 11 && seconds > 0.1 ? static_cast<long long>(static_cast<double>(n) / seconds) : -1;
    if (rate > 0) acutPrintf("\nAt %lld lines per second\n", rate);
}

void zaZoomToPlot(const ZaPlotExtents& extents) {
    if (extents.flat()) {
        acedCommandS(RTSTR, "zoom", RTSTR, "e", RTNONE);
        return;
    }
    const std::string lower = corner(extents.minX, extents.minY);
    const std::string upper = corner(extents.maxX, extents.maxY);
    acutPrintf("\n\rEast  %13.3f   %13.3f\n", extents.minX, extents.maxX);
    acutPrintf("\rNorth %13.3f   %13.3f\n\n", extents.minY, extents.maxY);
    acedCommandS(RTSTR, "zoom", RTSTR, "w", RTSTR, lower.c_str(), RTSTR, upper.c_str(), RTNONE);
    acedCommandS(RTNONE);
}
