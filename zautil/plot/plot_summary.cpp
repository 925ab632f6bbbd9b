#include "plot/plot_summary.h"

#include "arx/acedads.h"
#include "import/import_progress.h"
#include "import/import_view.h"
#include "plot/plot_reader.h"

namespace {

// A plot import is timed only when it took more than this.
constexpr double kShortestTimedSeconds = 0.1;

constexpr zaimport::ExtentsReport kPlotExtents{"\n\rEast  %13.3f   %13.3f\n", "\rNorth %13.3f   %13.3f\n\n", true};

}  // namespace

void zaReportPlotProblems(const ZaPlotReader& reader) {
    if (reader.unreadableRecords() > 0) {
        acutPrintf("\n%lld lines could not be read as plot records and were passed over\n",
                   static_cast<long long>(reader.unreadableRecords()));
    }
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
    if (const auto rate = zaimport::importRate(lines, seconds, kShortestTimedSeconds)) {
        acutPrintf("\nAt %lld lines per second\n", *rate);
    }
}

void zaZoomToPlot(const zaimport::ImportExtents& extents) { zaimport::zoomToImport(extents, kPlotExtents); }
