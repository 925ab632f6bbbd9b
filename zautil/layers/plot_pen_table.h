// The plot pen table of one command: plot.pen's rows in file order, the
// rows an export adds for new layers, and the rows whose layer changed.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/byte_source.h"
#include "layers/plot_pen_row.h"

// What reading plot.pen found; the table's loader says it.
struct ZaPenTableRead {
    enum class Outcome {
        Read,
        Empty,      // no rows: a blank one stands in
        BadHeader,  // not a pen file: the table stays empty
        BadLine,    // a row that does not read: the table stays empty
    };
    Outcome outcome = Outcome::Read;
    int line = 0;  // of a bad row, counted from 1
};

struct ZaPenChoice {
    std::int32_t pen = 0;
    std::int32_t lineType = 0;
};

class ZaPlotPenTable {
public:
    // Prints what it finds. A missing file starts a new one with a blank
    // row; a corrupt one leaves the table empty and is never written over.
    void load(const std::string& path, int mode);
    // The rows after the file was opened, from any bytes; prints nothing.
    ZaPenTableRead read(std::unique_ptr<zafiles::ByteSource> source);

    // The pen and line type for an entity's layer and own colour (0: by
    // layer). A known row notices a change of the drawing layer's colour
    // or linetype; an unknown layer gets a new row.
    ZaPenChoice penForLayer(std::string_view layerName, int entityColour);
    // A new row for the layer, its pen the nearest to the colour in pen.tbl.
    ZaPenChoice zaAppendToPlotPenFile(std::string_view layerName, std::uint32_t colour, std::int32_t lineType);

    // Asks about new and modified rows, writes plot.pen, and empties the table.
    void confirmAndSave();

    std::span<const ZaPlotPenRow> rows() const { return rows_; }
    int mode() const { return mode_; }
    const std::string& path() const { return path_; }
    // plot.pen was there but could not be read whole.
    bool refused() const { return refused_; }

private:
    void refuse();
    void write();

    int mode_ = 0;
    std::string path_;
    std::vector<ZaPlotPenRow> rows_;
    bool refused_ = false;
};
