// The export of selected entities to a plot file: before each entity on
// another layer than the last, the pen, line type and layer code the
// tables give for its layer; then its geometry.
#pragma once

#include <cstdint>
#include <string>

#include "arx/adsdef.h"
#include "drawing/polyline.h"
#include "drawing/selection.h"
#include "layers/plot_layer_table.h"
#include "layers/plot_pen_table.h"
#include "plot/plot_entity.h"
#include "plot/plot_writer.h"

// The tables an export reads and adds rows to; written back at the end of
// the command, whatever became of the export.
struct ZaPlotTables {
    ZaPlotLayerTable layers;
    ZaPlotPenTable pens;
};

struct ZaPlotExportCounts {
    std::int64_t exported = 0;
    std::int64_t passedOver = 0;  // no list, or a kind the plot file has not got
    std::int64_t textsCut = 0;
};

class ZaPlotExport {
public:
    // texts: TEXT and MTEXT are exported ("UROut Create Point").
    ZaPlotExport(ZaPlotTables& tables, ZaPlotWriter& writer, bool texts);

    void exportEntity(const ads_name entity);
    const ZaPlotExportCounts& counts() const { return counts_; }

private:
    bool exported(ZaPlotKind kind) const;
    // False for a polyline that is passed over.
    bool readPolyline(const ads_name entity, const resbuf* list);
    void layerRecords();
    void polyline();
    void text();

    ZaPlotTables& tables_;
    ZaPlotWriter& writer_;
    bool texts_;
    ZaPlotEntity entity_;
    zadrawing::Polyline polyline_;
    // The pen table's answer for the last layer and colour asked about:
    // asking again would give the same.
    std::string penLayer_;
    int penColour_ = 0;
    bool penAsked_ = false;
    ZaPenChoice pen_;
    std::string text_;
    ZaPlotExportCounts counts_;
};

// Loads the tables, writes the selection to the file and reports what went
// wrong; false when the file is not complete (it is then removed).
bool zaWritePlotFile(const std::string& path, const zadrawing::Selection& selection, ZaPlotTables& tables, bool texts);
