#include "layers/plot_pen_file.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "files/c_numbers.h"
#include "files/scan_fields.h"
#include "files/text_rules.h"
#include "layers/plot_layer_row.h"

namespace {

void appendHex6(std::string& out, std::uint32_t value) {
    std::array<char, 12> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value, 16);
    const auto length = static_cast<std::size_t>(result.ptr - digits.data());
    if (length < 6) out.append(6 - length, '0');
    out.append(digits.data(), length);
}

}  // namespace

std::optional<ZaPlotPenRow> zaParsePlotPenRow(std::string_view line) {
    const auto comma = line.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    ZaPlotPenRow row;
    row.layerName = std::string(line.substr(0, std::min(comma, kZaLayerNameLimit)));
    zafiles::upperInPlace(row.layerName);
    zafiles::Scan scan(line.substr(comma + 1));
    if (!scan.integer(row.pen) || !scan.literal(',') || !scan.integer(row.second) || !scan.literal(',') ||
        !scan.integer(row.lineType) || !scan.literal(',') || !scan.real(row.width) || !scan.literal(',') ||
        !scan.hex(row.colour)) {
        return std::nullopt;
    }
    row.previousLineType = row.lineType;
    row.previousColour = row.colour;
    return row;
}

void zaAppendPlotPenRow(std::string& out, const ZaPlotPenRow& row) {
    out += row.layerName;
    for (const std::int32_t value : {row.pen, row.second, row.lineType}) {
        out += ',';
        zafiles::appendInt(out, value, 0);
    }
    out += ',';
    zafiles::appendFixed(out, row.width, 0, 6);
    out += ',';
    appendHex6(out, row.colour);
    out += "\r\n";
}
