// Made-up plot files in the wide layout the suite writes: runs of draws,
// with pen, line type and layer changes, texts, circles and arcs.
#pragma once

#include <cstdint>
#include <string>

struct PlotFileShape {
    std::int64_t lines = 1000000;  // about; the file ends at the first feature past it
    bool model = false;            // z on moves and draws, for a ".m??" file
    int runLength = 40;            // draws after each move
    int layerCodes = 12;
    std::uint32_t seed = 1;
};

// False with the reason when the file cannot be written.
bool generatePlotFile(const std::string& path, const PlotFileShape& shape, std::string& error);
