// plot.pen on any bytes: the table reads it or refuses it whole, and every
// row it holds is written in a form that reads back to the same line.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "layers/plot_pen_file.h"
#include "layers/plot_pen_table.h"
#include "zcad/console.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = (zcad::setOutputSink([](std::string_view) {}), true);
    (void)quiet;
    ZaPlotPenTable table;
    table.read(zafiles::memorySource(std::span<const char>(reinterpret_cast<const char*>(data), size)));
    if (table.refused() && !table.rows().empty()) __builtin_trap();
    for (const ZaPlotPenRow& row : table.rows()) {
        std::string line;
        zaAppendPlotPenRow(line, row);
        const auto parsed = zaParsePlotPenRow(std::string_view(line).substr(0, line.size() - 2));
        if (!parsed) __builtin_trap();
        std::string again;
        zaAppendPlotPenRow(again, *parsed);
        if (again != line) __builtin_trap();
    }
    return 0;
}
