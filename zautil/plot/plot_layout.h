// Where a plot file record keeps its fields. Files start in the narrow
// layout; record 12 switches to the wide one that the suite writes today.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

enum class ZaPlotField : std::size_t {
    Type = 0,
    Code = 1,       // pen, line type, layer code, or text justification
    X = 2,
    Y = 3,
    Z = 4,          // z of 3D moves and draws; radius; text height
    Angle = 5,      // arc start (radians); text rotation (degrees)
    Unused = 6,
    LineCount = 7,  // lines of a text
    EndAngle = 8,   // arc end (radians)
};

struct ZaPlotColumns {
    std::size_t start = 0;
    std::size_t width = 0;
};

struct ZaPlotLayout {
    std::array<ZaPlotColumns, 9> fields;

    std::int32_t integer(std::string_view line, ZaPlotField field) const;
    // Is the field blanks and digits, with a digit, as a record type is
    // written? Does it hold a number at its start? One that holds none
    // reads as 0.
    bool holdsDigits(std::string_view line, ZaPlotField field) const;
    bool holdsNumber(std::string_view line, ZaPlotField field) const;
    double real(std::string_view line, ZaPlotField field) const;
};

extern const ZaPlotLayout kZaNarrowPlotLayout;
extern const ZaPlotLayout kZaWidePlotLayout;
