// plot.lay on any bytes: the table loads or refuses it, what it would write
// reads back to the same rows, and its lookups work on whatever it holds.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "layers/plot_layer_file.h"
#include "layers/plot_layer_table.h"
#include "zcad/console.h"

namespace {

bool sameRow(const ZaPlotLayerRow& a, const ZaPlotLayerRow& b) {
    return a.layerCode == b.layerCode && a.pen == b.pen && a.lineType == b.lineType && a.lineLayer == b.lineLayer &&
           a.textLayer == b.textLayer && a.textStyle == b.textStyle;
}

std::unique_ptr<zafiles::ByteSource> bytes(std::string_view text) {
    return zafiles::memorySource(std::span<const char>(text.data(), text.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = (zcad::setOutputSink([](std::string_view) {}), true);
    (void)quiet;
    ZaPlotLayerTable table;
    if (!table.read(bytes(std::string_view(reinterpret_cast<const char*>(data), size)))) return 0;
    if (table.rows().size() > kZaPlotLayerMaxRows) __builtin_trap();

    const std::string written = zaFormatPlotLayerFile(table.rows());
    ZaPlotLayerTable again;
    if (!again.read(bytes(written)) || again.rows().size() != table.rows().size()) __builtin_trap();
    for (std::size_t i = 0; i < table.rows().size(); ++i) {
        if (!sameRow(table.rows()[i], again.rows()[i])) __builtin_trap();
    }

    for (const ZaPlotLayerRow& row : again.rows()) {
        table.setLayerCode(row.layerCode);
        table.setPen(row.pen + 1);
        table.setLineType(row.lineType);
        table.findByCodes();
        table.markUsedByLines();
        table.findOrAddByName(row.textLayer, ZaLayerKind::Text);
    }
    table.findOrAddByName("NOT A ROW NAME", ZaLayerKind::Line, "romans");
    if (table.rows().size() > kZaPlotLayerMaxRows) __builtin_trap();
    return 0;
}
