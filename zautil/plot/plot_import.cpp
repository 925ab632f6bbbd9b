#include "plot/plot_import.h"

#include "arx/acedads.h"
#include "files/decode_ahead.h"
#include "files/file_tests.h"
#include "files/line_reader.h"
#include "import/import_progress.h"
#include "layers/layer_colouring.h"
#include "layers/plot_layer_table.h"
#include "plot/plot_reader.h"
#include "plot/plot_summary.h"
#include "settings/settings_record.h"

ZaPlotImport::ZaPlotImport() { ready_ = prepare(); }

bool ZaPlotImport::prepare() {
    if (!env_.found) {
        acutPrintf("\nCould not find Zarvo installation directory.");
        return false;
    }
    if (!zafiles::isFile(env_.layPath)) {
        acutPrintf("\nThe Zarvo Software system file plot.lay does not exist.  Contact vendor");
        return false;
    }
    if (!zafiles::isFile(env_.penPath)) {
        acutPrintf("\nThe Zarvo Software system file plot.pen does not exist.  Contact vendor");
        return false;
    }
    const ZaSettings& settings = zaSettings();
    text_ = zaPlotTextSettings(settings);
    colourLayers_ = settings.colourLayers;
    return true;
}

void ZaPlotImport::setUpTextStyle() const { zaSetUpPlotTextStyle(text_); }

bool ZaPlotImport::readPlotFile(const std::string& path) {
    acutPrintf("plot lay file %s \n", env_.layPath.c_str());
    acutPrintf("plot pen file %s \n", env_.penPath.c_str());
    ZaPlotLayerTable table;
    if (!table.load(env_.layPath)) {
        acutPrintf("\nCorrupt '%s' plot (plot.dot.lay file)", path.c_str());
        return false;
    }
    auto source = zafiles::openFileSource(path);
    if (!source) {
        acutPrintf("\nError cannot open '%s' plot file", path.c_str());
        acutPrintf("\n");
        acedCommandS(RTNONE);
        return false;
    }
    const auto bytes = source->size();
    zaimport::ImportProgress progress(kZaPlotProgress);
    acutPrintf("\nStart line %d\n", 0);
    ZaPlotReader reader(table, zaIsModelPlotFile(path));
    {
        zafiles::LineReader lines(std::move(source));
        reader.read(lines, progress, bytes && zafiles::worthDecodingAhead(*bytes));
    }
    acutPrintf("\nNumber of lines read %lld \n", static_cast<long long>(reader.linesRead()));
    zaReportPlotProblems(reader);
    if (colourLayers_) zaColourUsedLayers(table.rows());
    if (!table.rows().empty()) table.save();
    zaReportPlotTiming(reader.linesRead(), progress.elapsedSeconds());
    zaZoomToPlot(reader.extents());
    acutPrintf("\n");
    acedCommandS(RTNONE);
    if (reader.records() > 0) return true;
    acutPrintf("\nNo plot record could be read from '%s'\n", path.c_str());
    return false;
}
