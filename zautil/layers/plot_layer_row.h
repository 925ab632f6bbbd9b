// One row of the plot layer table: which AutoCAD layers and text style a
// combination of the suite's layer code, pen and line type is drawn with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr std::size_t kZaPlotLayerMaxRows = 300;
inline constexpr std::size_t kZaLayerNameLimit = 31;

struct ZaPlotLayerRow {
    std::int32_t layerCode = 0;  // 0 in the file: any
    std::int32_t pen = 0;        // 0: any
    std::int32_t lineType = 0;   // 0: any
    bool added = false;          // during this run
    bool usedByLines = false;
    bool usedByText = false;
    std::string lineLayer;  // lines, polylines, circles, arcs
    std::string textLayer;
    std::string textStyle;
};
