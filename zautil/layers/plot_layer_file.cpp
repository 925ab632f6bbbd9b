#include "layers/plot_layer_file.h"

#include "layers/fixed_columns.h"

namespace {

// Buffer width: 52 columns, the line end and the terminator.
constexpr std::size_t kLineWidth = 54;
constexpr std::size_t kShortestRow = 40;
constexpr std::size_t kSeparatorColumn = 39;
constexpr std::size_t kNameWidth = 12;
constexpr std::size_t kLineLayerColumn = 14;
constexpr std::size_t kTextLayerColumn = 27;
constexpr std::size_t kTextStyleColumn = 40;
constexpr std::string_view kLineEnd = "\r\n";

void appendLine(std::string& out, const ZaFixedLine& line) {
    out += line.text();
    out += kLineEnd;
}

}  // namespace

bool zaIsPlotLayerHeader(std::string_view line) { return line.starts_with("LAY"); }

std::optional<ZaPlotLayerRow> zaParsePlotLayerRow(std::string_view line) {
    if (line.size() < kShortestRow || line[kSeparatorColumn] != ';') return std::nullopt;
    ZaPlotLayerRow row;
    row.layerCode = zaGetIntField(line, 0, 4);
    row.pen = zaGetIntField(line, 4, 4);
    row.lineType = zaGetIntField(line, 8, 4);
    row.lineLayer = zaGetStringField(line, kLineLayerColumn, kNameWidth);
    row.textLayer = zaGetStringField(line, kTextLayerColumn, kNameWidth);
    row.textStyle = zaGetStringField(line, kTextStyleColumn, kNameWidth);
    return row;
}

bool zaReadPlotLayerRows(zafiles::LineReader& lines, std::vector<ZaPlotLayerRow>& rows) {
    rows.clear();
    const auto header = lines.next();
    if (!header || !zaIsPlotLayerHeader(*header)) return false;
    while (rows.size() < kZaPlotLayerMaxRows) {
        const auto line = lines.next();
        if (!line || line->starts_with('/')) break;
        if (auto row = zaParsePlotLayerRow(*line)) rows.push_back(std::move(*row));
    }
    return true;
}

std::string zaFormatPlotLayerFile(std::span<const ZaPlotLayerRow> rows) {
    std::string out;
    out.reserve((rows.size() + 2) * kLineWidth);
    ZaFixedLine line(kLineWidth);
    line.putString(0, 5, "LAYER");
    line.putInt(7, 4, static_cast<std::int32_t>(rows.size()));
    line.putString(12, 8, "Aug-2014");
    appendLine(out, line);
    for (const ZaPlotLayerRow& row : rows) {
        line.clear();
        line.putInt(0, 4, row.layerCode);
        line.putInt(4, 4, row.pen);
        line.putInt(8, 4, row.lineType);
        line.putString(13, 1, "2");
        line.putString(kLineLayerColumn, kNameWidth, row.lineLayer);
        line.putString(26, 1, ";");
        line.putString(kTextLayerColumn, kNameWidth, row.textLayer);
        line.putString(kSeparatorColumn, 1, ";");
        line.putString(kTextStyleColumn, kNameWidth, row.textStyle);
        appendLine(out, line);
    }
    out += "/////";
    out += kLineEnd;
    return out;
}
