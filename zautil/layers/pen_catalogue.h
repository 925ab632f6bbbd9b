// pen.tbl: the plotter's pens with their widths and colours, one
// "%d ,%f ,%lx" line each, for choosing a pen for a layer by colour.
#pragma once

#include <cstdint>
#include <string>

#include "files/line_reader.h"

struct ZaPen {
    std::int32_t pen = 0;
    double width = 0;
    std::uint32_t colour = 0;  // 0xRRGGBB
};

// The pen whose colour is nearest (sum of squared 8-bit component
// differences; the earlier pen wins a tie). False when the catalogue holds
// no pen; lines that are not pens are passed over.
bool zaNearestPenIn(zafiles::LineReader& lines, std::uint32_t colour, ZaPen& result);
// False also when the file cannot be opened.
bool zaNearestPenInFile(const std::string& path, std::uint32_t colour, ZaPen& result);
// pen.tbl of the installation directory; false when that is not found.
bool zaNearestPen(std::uint32_t colour, ZaPen& result);
