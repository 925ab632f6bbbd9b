#include "plot/plot_layout.h"

#include "files/c_numbers.h"

#include "layers/fixed_columns.h"

namespace {

// The narrow layout has no column of its own for an arc's end angle: it is
// whatever stands after column 46, which is nothing (0) in the files the
// suite wrote in that layout.
constexpr std::size_t kRestOfLine = std::string_view::npos;

const ZaPlotColumns& columnsOf(const ZaPlotLayout& layout, ZaPlotField field) {
    return layout.fields[static_cast<std::size_t>(field)];
}

}  // namespace

const ZaPlotLayout kZaNarrowPlotLayout = {{{
    {0, 2}, {2, 3}, {5, 8}, {13, 8}, {21, 8}, {29, 8}, {37, 1}, {38, 8}, {46, kRestOfLine},
}}};

const ZaPlotLayout kZaWidePlotLayout = {{{
    {0, 2}, {2, 3}, {5, 14}, {19, 14}, {33, 14}, {47, 14}, {61, 1}, {62, 3}, {65, 14},
}}};

std::int32_t ZaPlotLayout::integer(std::string_view line, ZaPlotField field) const {
    const ZaPlotColumns& at = columnsOf(*this, field);
    return zaGetIntField(line, at.start, at.width);
}

bool ZaPlotLayout::holdsDigits(std::string_view line, ZaPlotField field) const {
    const ZaPlotColumns& at = columnsOf(*this, field);
    if (at.start >= line.size()) return false;
    const std::string_view text = line.substr(at.start, at.width);
    bool digit = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c != ' ') {
            return false;
        }
    }
    return digit;
}

bool ZaPlotLayout::holdsNumber(std::string_view line, ZaPlotField field) const {
    const ZaPlotColumns& at = columnsOf(*this, field);
    if (at.start >= line.size()) return false;
    std::string_view text = line.substr(at.start, at.width);
    return zafiles::takeCReal(text).has_value();
}

double ZaPlotLayout::real(std::string_view line, ZaPlotField field) const {
    const ZaPlotColumns& at = columnsOf(*this, field);
    return zaGetRealField(line, at.start, at.width);
}
