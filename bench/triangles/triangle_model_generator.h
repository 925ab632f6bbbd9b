// Made-up triangle models for tests, benchmarks and examples: a rolling
// terrain on a square grid, two triangles a cell, with the neighbours,
// boundary and breakline flags and paint numbers the suite's own
// triangulation gives; the same shape always gives the same files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/entity_maker.h"
#include "triangles/ut_format.h"

namespace zatriangles {

struct TerrainShape {
    std::int64_t triangles = 1000;  // at least this many: whole rows of cells
    double spacing = 5.0;           // metres between grid points
    double east = 500000.0;         // the south-west corner
    double north = 6900000.0;
    // An inactive record of garbage after every this many triangles; 0: none.
    int inactiveEvery = 0;
};

struct TriangleModelData {
    std::vector<ZaPoint> points;         // point 3 first: the UP file's records after its header
    std::vector<UTTriangle> records;     // the UT file's records, inactive ones too
};

// The ground's level at (x, y) metres east and north of the south-west corner.
double terrainHeight(double x, double y);

TriangleModelData generateTerrain(const TerrainShape& shape);

// Writes the UT file and the UP file beside it (the path must be a UT name,
// ending in ".ut" and a run letter). False with `error` set on failure.
bool writeTriangleModel(const std::string& utPath, const TriangleModelData& model, std::string& error);
bool generateTriangleModel(const std::string& utPath, const TerrainShape& shape, std::string& error);

}  // namespace zatriangles
