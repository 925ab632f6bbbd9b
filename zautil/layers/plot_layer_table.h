// The plot layer table of one command: rows of plot.lay, the codes and
// names currently in force, and the row they came from.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/byte_source.h"
#include "layers/plot_layer_row.h"

enum class ZaLayerKind { Line = 1, Text = 2 };

class ZaPlotLayerTable {
public:
    ZaPlotLayerTable();

    // Prints what it loads; a file that cannot be opened or lacks the header
    // leaves the table unloaded. Either way the selection starts afresh.
    bool load(const std::string& path);
    // The same from any bytes, without the messages about the file.
    bool read(std::unique_ptr<zafiles::ByteSource> source);
    bool loaded() const { return loaded_; }

    // The codes of the next lookup; 0 in a row matches any.
    void setLayerCode(std::int32_t code) { layerCode_ = code; }
    void setPen(std::int32_t pen) { pen_ = pen; }
    void setLineType(std::int32_t lineType) { lineType_ = lineType; }
    std::int32_t layerCode() const { return layerCode_; }
    std::int32_t pen() const { return pen_; }
    std::int32_t lineType() const { return lineType_; }

    // The last row matching the codes becomes current. No match: no row is
    // current and the names stay as they were.
    void findByCodes();
    // False when the name is already current (or the table is not loaded);
    // true when a row was found or added and became current.
    bool findOrAddByName(std::string_view layerName, ZaLayerKind kind, const char* textStyle = nullptr);
    // A new row: the next layer code, any pen and line type, the name for
    // both layers. False when the table already holds its 300 rows.
    bool addRow(std::string_view layerName, const char* textStyle = nullptr);
    // Rewrites plot.lay when rows were added; false when that failed.
    bool save();

    const std::string& lineLayer() const { return lineLayer_; }
    const std::string& textLayer() const { return textLayer_; }
    const std::string& textStyle() const { return textStyle_; }
    std::optional<std::size_t> currentRow() const { return current_; }

    // What an import drew with the current row, for colouring afterwards.
    void markUsedByLines() {
        if (current_) rows_[*current_].usedByLines = true;
    }
    void markUsedByText() {
        if (current_) rows_[*current_].usedByText = true;
    }

    std::span<const ZaPlotLayerRow> rows() const { return rows_; }
    bool modified() const { return modified_; }
    const std::string& path() const { return path_; }

private:
    void resetSelection();
    void makeCurrent(std::size_t index);

    bool loaded_ = false;
    bool modified_ = false;
    std::string path_;
    std::vector<ZaPlotLayerRow> rows_;
    std::optional<std::size_t> current_;
    std::int32_t layerCode_ = 0;
    std::int32_t pen_ = 0;
    std::int32_t lineType_ = 0;
    std::string lineLayer_;
    std::string textLayer_;
    std::string textStyle_;
};
