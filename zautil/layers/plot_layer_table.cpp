#include "layers/plot_layer_table.h"

#include <algorithm>
#include <limits>
#include <string>

#include "arx/acedads.h"
#include "files/line_reader.h"
#include "files/replace_file.h"
#include "layers/plot_layer_file.h"

namespace {

std::string nameOf(std::string_view text) { return std::string(text.substr(0, kZaLayerNameLimit)); }

bool matches(std::int32_t rowCode, std::int32_t code) { return rowCode == 0 || rowCode == code; }

const std::string& nameOfKind(const ZaPlotLayerRow& row, ZaLayerKind kind) {
    return kind == ZaLayerKind::Line ? row.lineLayer : row.textLayer;
}

}  // namespace

ZaPlotLayerTable::ZaPlotLayerTable() { resetSelection(); }

void ZaPlotLayerTable::resetSelection() {
    current_.reset();
    layerCode_ = pen_ = lineType_ = 0;
    lineLayer_ = "0";
    textLayer_ = "0";
    textStyle_ = "std";
}

bool ZaPlotLayerTable::load(const std::string& path) {
    acutPrintf("Loading file %s \n", path.c_str());
    path_ = path;
    auto source = zafiles::openFileSource(path);
    if (!source) {
        loaded_ = false;
        rows_.clear();
        resetSelection();
        acutPrintf("\nCannot open layer file \"%s\" \n", path.c_str());
        return false;
    }
    return read(std::move(source));
}

bool ZaPlotLayerTable::read(std::unique_ptr<zafiles::ByteSource> source) {
    resetSelection();
    modified_ = false;
    zafiles::LineReader lines(std::move(source));
    loaded_ = zaReadPlotLayerRows(lines, rows_);
    return loaded_;
}

void ZaPlotLayerTable::makeCurrent(std::size_t index) {
    const ZaPlotLayerRow& row = rows_[index];
    current_ = index;
    layerCode_ = row.layerCode;
    pen_ = row.pen;
    lineType_ = row.lineType;
    lineLayer_ = row.lineLayer;
    textLayer_ = row.textLayer;
    textStyle_ = row.textStyle;
}

void ZaPlotLayerTable::findByCodes() {
    if (!loaded_) return;
    const auto hit = std::find_if(rows_.rbegin(), rows_.rend(), [this](const ZaPlotLayerRow& row) {
        return matches(row.layerCode, layerCode_) && matches(row.pen, pen_) && matches(row.lineType, lineType_);
    });
    if (hit == rows_.rend()) {
        current_.reset();
        return;
    }
    // The codes asked for stay in force: a row of "any" must not turn them to 0.
    const ZaPlotLayerRow& row = *hit;
    current_ = static_cast<std::size_t>(rows_.rend() - hit) - 1;
    lineLayer_ = row.lineLayer;
    textLayer_ = row.textLayer;
    textStyle_ = row.textStyle;
}

bool ZaPlotLayerTable::findOrAddByName(std::string_view layerName, ZaLayerKind kind, const char* textStyle) {
    const std::string& currentName = kind == ZaLayerKind::Line ? lineLayer_ : textLayer_;
    if (currentName == layerName) return false;
    if (!loaded_) return false;
    const auto hit = std::find_if(rows_.begin(), rows_.end(),
                                  [&](const ZaPlotLayerRow& row) { return nameOfKind(row, kind) == layerName; });
    if (hit == rows_.end()) return addRow(layerName, textStyle);
    makeCurrent(static_cast<std::size_t>(hit - rows_.begin()));
    return true;
}

bool ZaPlotLayerTable::addRow(std::string_view layerName, const char* textStyle) {
    if (rows_.size() >= kZaPlotLayerMaxRows) {
        acutPrintf("\nLayer table '%s' holds %d rows: layer '%s' not added\n", path_.c_str(),
                   static_cast<int>(kZaPlotLayerMaxRows), nameOf(layerName).c_str());
        return false;
    }
    std::int32_t largest = 0;
    for (const ZaPlotLayerRow& row : rows_) largest = std::max(largest, row.layerCode);
    ZaPlotLayerRow row;
    row.layerCode = largest < std::numeric_limits<std::int32_t>::max() ? largest + 1 : largest;
    row.added = true;
    row.lineLayer = nameOf(layerName);
    row.textLayer = row.lineLayer;
    row.textStyle = nameOf(textStyle ? textStyle : "STANDARD");
    rows_.push_back(std::move(row));
    modified_ = true;
    makeCurrent(rows_.size() - 1);
    return true;
}

bool ZaPlotLayerTable::save() {
    if (!loaded_ || !modified_) return true;
    if (zafiles::replaceFile(path_, zaFormatPlotLayerFile(rows_))) return true;
    acutPrintf("\nError occureed writing to file, '%s'", path_.c_str());
    return false;
}
