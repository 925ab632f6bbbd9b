#include "layers/plot_pen_table.h"

#include <algorithm>
#include <cstdlib>

#include "arx/acedads.h"
#include "files/line_reader.h"
#include "files/text_rules.h"
#include "layers/line_type_code.h"
#include "layers/pen_catalogue.h"
#include "layers/plot_layer_row.h"
#include "layers/plot_pen_file.h"
#include "drawing/entity_list.h"

namespace {

ZaPlotPenRow blankRow() {
    ZaPlotPenRow row;
    row.layerName.assign(1, '0');
    row.state = ZaPenRowState::New;
    return row;
}

// Rows hold their names upper case and cut, so an entity's layer is
// compared in the same form: "road" finds the row ROAD instead of adding
// a second one each export.
std::string rowKey(std::string_view layerName) {
    std::string key(layerName.substr(0, kZaLayerNameLimit));
    zafiles::upperInPlace(key);
    return key;
}

struct DrawingLayer {
    bool found = false;
    std::uint32_t colour = 7;
    std::int32_t lineType = 1;
};

DrawingLayer drawingLayer(std::string_view layerName) {
    const std::string name(layerName);
    const zadrawing::EntityList record(acdbTblSearch("layer", name.c_str(), 0));
    DrawingLayer layer;
    if (!record) return layer;
    layer.found = true;
    const char* linetype = "CONTINUOUS";
    for (const resbuf* rb = record.get(); rb; rb = rb->rbnext) {
        // An off layer holds its colour negative; the colour is the same.
        if (rb->restype == 62) layer.colour = static_cast<std::uint32_t>(std::abs(rb->resval.rint));
        if (rb->restype == 6 && rb->resval.rstring) linetype = rb->resval.rstring;
    }
    layer.lineType = zaLineTypeCode(linetype);
    return layer;
}

std::uint32_t colourFor(int entityColour, const DrawingLayer& layer) {
    return entityColour != 0 ? static_cast<std::uint32_t>(entityColour) : layer.colour;
}

}  // namespace

void ZaPlotPenTable::load(const std::string& path, int mode) {
    path_ = path;
    mode_ = mode;
    rows_.clear();
    refused_ = false;
    auto source = zafiles::openFileSource(path);
    if (!source) {
        acutPrintf("\nFile '%s' does not exist, a new file with this name will be created.", path.c_str());
        rows_.push_back(blankRow());
        return;
    }
    acutPrintf("File \"%s\" opened as pen file\n", path.c_str());
    const ZaPenTableRead found = read(std::move(source));
    switch (found.outcome) {
    case ZaPenTableRead::Outcome::Read:
        return;
    case ZaPenTableRead::Outcome::Empty:
        acutPrintf("\nFile '%s' is empty.  A blank record will be inserted.", path.c_str());
        return;
    case ZaPenTableRead::Outcome::BadHeader:
        acutPrintf("\nCorrupt plot\\pen file '%s'", path.c_str());
        return;
    case ZaPenTableRead::Outcome::BadLine:
        acutPrintf("\nError in field data for '%s' at line %d", path.c_str(), found.line);
        return;
    }
}

void ZaPlotPenTable::refuse() {
    rows_.clear();
    rows_.shrink_to_fit();
    refused_ = true;
}

ZaPenTableRead ZaPlotPenTable::read(std::unique_ptr<zafiles::ByteSource> source) {
    rows_.clear();
    refused_ = false;
    zafiles::LineReader lines(std::move(source));
    const auto header = lines.next();
    if (!header || !header->starts_with(kZaPlotPenHeader)) {
        refuse();
        return {ZaPenTableRead::Outcome::BadHeader};
    }
    while (const auto line = lines.next()) {
        if (auto row = zaParsePlotPenRow(*line)) {
            rows_.push_back(std::move(*row));
            continue;
        }
        if (line->starts_with('/')) continue;
        // The suite counts the rows read, not the lines.
        const int lineNumber = static_cast<int>(rows_.size()) + 2;
        refuse();
        return {ZaPenTableRead::Outcome::BadLine, lineNumber};
    }
    if (!rows_.empty()) return {};
    rows_.push_back(blankRow());
    return {ZaPenTableRead::Outcome::Empty};
}

ZaPenChoice ZaPlotPenTable::penForLayer(std::string_view layerName, int entityColour) {
    const std::string key = rowKey(layerName);
    const auto hit = std::find_if(rows_.begin(), rows_.end(), [&](const ZaPlotPenRow& row) { return row.layerName == key; });
    if (hit == rows_.end()) {
        const DrawingLayer layer = drawingLayer(layerName);
        return zaAppendToPlotPenFile(layerName, colourFor(entityColour, layer), layer.lineType);
    }
    ZaPlotPenRow& row = *hit;
    const ZaPenChoice choice{row.pen, row.lineType};
    // A new row was made from this very layer moments ago; only rows read
    // from plot.pen can be modified, and each only once.
    if (row.state != ZaPenRowState::Kept) return choice;
    const DrawingLayer layer = drawingLayer(layerName);
    if (!layer.found) return choice;
    const std::uint32_t colour = colourFor(entityColour, layer);
    if (colour == row.colour && layer.lineType == row.lineType) return choice;
    row.previousColour = row.colour;
    row.previousLineType = row.lineType;
    row.colour = colour;
    row.lineType = layer.lineType;
    row.state = ZaPenRowState::Modified;
    return choice;
}

ZaPenChoice ZaPlotPenTable::zaAppendToPlotPenFile(std::string_view layerName, std::uint32_t colour,
                                                  std::int32_t lineType) {
    ZaPlotPenRow row;
    row.layerName = rowKey(layerName);
    row.lineType = lineType;
    row.colour = colour;
    ZaPen pen;
    if (zaNearestPen(colour, pen)) {
        row.pen = pen.pen;
        row.width = pen.width;
        row.colour = pen.colour;
    } else {
        row.pen = 1;
        row.width = 0.001;
    }
    row.previousColour = row.colour;
    row.previousLineType = row.lineType;
    row.state = ZaPenRowState::New;
    const ZaPenChoice choice{row.pen, row.lineType};
    rows_.push_back(std::move(row));
    return choice;
}
