#include "triangle_model_generator.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "files/byte_order.h"
#include "files/output_file.h"
#include "triangles/ut_name.h"

namespace zatriangles {

// Hills and valleys over a gentle fall, to the millimetre as surveyed.
double terrainHeight(double x, double y) {
    const double z = 100.0 + 12.0 * std::sin(x / 80.0) * std::cos(y / 110.0) + 6.0 * std::sin((x + y) / 37.0) +
                     0.002 * x;
    return std::round(z * 1000.0) / 1000.0;
}

namespace {

constexpr std::uint8_t kBreakline = 1;
constexpr std::uint8_t kBoundary = 8;

struct Grid {
    std::int64_t columns;  // cells across
    std::int64_t rows;

    std::int32_t pointOf(std::int64_t i, std::int64_t j) const {
        return static_cast<std::int32_t>(3 + j * (columns + 1) + i);
    }
    // Triangle n (0 lower, 1 upper) of cell (i, j), counting active ones only.
    std::int64_t triangleOf(std::int64_t i, std::int64_t j, int n) const { return 2 * (j * columns + i) + n; }
};

class Records {
public:
    Records(const Grid& grid, int inactiveEvery) : grid_(grid), every_(inactiveEvery) {}

    // The record number of an active triangle; -1 outside the grid.
    std::int32_t recordOf(std::int64_t i, std::int64_t j, int n) const {
        if (i < 0 || j < 0 || i >= grid_.columns || j >= grid_.rows) return -1;
        const std::int64_t t = grid_.triangleOf(i, j, n);
        return static_cast<std::int32_t>(every_ > 0 ? t + t / every_ : t);
    }

private:
    const Grid& grid_;
    int every_;
};

// A cell's corners a (i, j), b (i + 1, j), c (i + 1, j + 1), d (i, j + 1):
// the lower triangle is a b c, the upper a c d, both counter-clockwise.
// Edge k faces vertex k.
void addCell(const Grid& grid, const Records& records, std::int64_t i, std::int64_t j, TriangleModelData& model) {
    const std::int32_t a = grid.pointOf(i, j), b = grid.pointOf(i + 1, j), c = grid.pointOf(i + 1, j + 1),
                       d = grid.pointOf(i, j + 1);
    // A road along one row and one column of grid lines: breaklines.
    const bool roadRow = j == grid.rows / 3;
    const bool roadColumn = i + 1 == grid.columns / 3;
    const auto flags = [](std::int32_t across, bool breakline) {
        return static_cast<std::uint8_t>((across < 0 ? kBoundary : 0) | (breakline ? kBreakline : 0));
    };
    const auto paint = [&](std::int32_t p, std::int32_t q, std::int32_t r) {
        const auto& pts = model.points;
        const double mean = (pts[static_cast<std::size_t>(p - 3)][2] + pts[static_cast<std::size_t>(q - 3)][2] +
                             pts[static_cast<std::size_t>(r - 3)][2]) / 3.0;
        return static_cast<std::uint8_t>(std::clamp(static_cast<int>((mean - 80.0) / 4.0), 0, 15));
    };

    UTTriangle lower;
    lower.vertices = {a, b, c};
    lower.neighbours = {records.recordOf(i + 1, j, 1), records.recordOf(i, j, 1), records.recordOf(i, j - 1, 1)};
    lower.edgeFlags = {flags(lower.neighbours[0], roadColumn), 0, flags(lower.neighbours[2], roadRow)};
    lower.paint = paint(a, b, c);
    lower.flags = 1;

    UTTriangle upper;
    upper.vertices = {a, c, d};
    upper.neighbours = {records.recordOf(i, j + 1, 0), records.recordOf(i - 1, j, 0), records.recordOf(i, j, 0)};
    const bool roadAbove = j + 1 == grid.rows / 3;
    const bool roadLeft = i == grid.columns / 3;
    upper.edgeFlags = {flags(upper.neighbours[0], roadAbove), flags(upper.neighbours[1], roadLeft), 0};
    upper.paint = paint(a, c, d);
    upper.flags = 1;

    model.records.push_back(lower);
    model.records.push_back(upper);
}

// Garbage vertices and neighbours: the readers must pass over it unread.
UTTriangle inactiveRecord(std::int64_t n) {
    UTTriangle garbage;
    garbage.vertices = {-7, static_cast<std::int32_t>(0x7fff0000 + (n & 0xff)), 1};
    garbage.neighbours = {-99, 123456789, -1};
    garbage.paint = 200;
    garbage.flags = 0xFE;
    return garbage;
}

}  // namespace

TriangleModelData generateTerrain(const TerrainShape& shape) {
    const std::int64_t cells = std::max<std::int64_t>(4, (shape.triangles + 1) / 2);
    const auto columns = static_cast<std::int64_t>(std::ceil(std::sqrt(static_cast<double>(cells))));
    const Grid grid{columns, (cells + columns - 1) / columns};
    const Records records(grid, shape.inactiveEvery);

    TriangleModelData model;
    model.points.reserve(static_cast<std::size_t>((grid.columns + 1) * (grid.rows + 1)));
    for (std::int64_t j = 0; j <= grid.rows; ++j) {
        for (std::int64_t i = 0; i <= grid.columns; ++i) {
            const double x = static_cast<double>(i) * shape.spacing;
            const double y = static_cast<double>(j) * shape.spacing;
            model.points.push_back({shape.east + x, shape.north + y, terrainHeight(x, y)});
        }
    }
    TriangleModelData active;
    active.points = std::move(model.points);
    active.records.reserve(static_cast<std::size_t>(2 * grid.columns * grid.rows));
    for (std::int64_t j = 0; j < grid.rows; ++j) {
        for (std::int64_t i = 0; i < grid.columns; ++i) addCell(grid, records, i, j, active);
    }
    model.points = std::move(active.points);
    if (shape.inactiveEvery <= 0) {
        model.records = std::move(active.records);
        return model;
    }
    for (std::size_t t = 0; t < active.records.size(); ++t) {
        if (t > 0 && t % static_cast<std::size_t>(shape.inactiveEvery) == 0) {
            model.records.push_back(inactiveRecord(static_cast<std::int64_t>(t)));
        }
        model.records.push_back(active.records[t]);
    }
    return model;
}

bool writeTriangleModel(const std::string& utPath, const TriangleModelData& model, std::string& error) {
    if (!isUTPath(utPath)) {
        error = "not a UT name: " + utPath + "\n";
        return false;
    }
    zafiles::OutputFile up;
    zafiles::OutputFile ut;
    if (!up.open(upPathOf(utPath)) || !ut.open(utPath)) {
        error = "cannot create " + utPath + " and its UP file\n";
        return false;
    }
    char record[kUTRecordSize];
    std::memset(record, 0, sizeof record);
    for (std::int64_t k = 0; k < kUPHeaderRecords; ++k) up.append({record, kUPRecordSize});
    for (const ZaPoint& p : model.points) {
        for (std::size_t k = 0; k < 3; ++k) zafiles::storeF64LE(record + 8 * k, p[k]);
        up.append({record, kUPRecordSize});
    }
    for (const UTTriangle& t : model.records) {
        encodeUTTriangle(t, record);
        ut.append({record, kUTRecordSize});
    }
    const bool upWritten = up.close();
    const bool utWritten = ut.close();
    if (upWritten && utWritten) return true;
    error = "cannot write " + utPath + ": " + (upWritten ? ut : up).failureReason() + "\n";
    return false;
}

bool generateTriangleModel(const std::string& utPath, const TerrainShape& shape, std::string& error) {
    return writeTriangleModel(utPath, generateTerrain(shape), error);
}

}  // namespace zatriangles
