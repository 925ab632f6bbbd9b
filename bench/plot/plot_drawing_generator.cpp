#include "plot_drawing_generator.h"

#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

// Survey-like coordinates: metres with millimetres.
double coordinate(std::int64_t i, int k, double base) {
    const std::int64_t millimetres = (i * 7919 + k * 104729) % 1000000;
    return base + static_cast<double>(millimetres) / 1000.0;
}

std::string layerName(int layer) { return "LAYER" + std::to_string(layer + 1); }
int layerColour(int layer) { return layer + 1; }

void addLayers(zcad::Database& db) {
    for (int layer = 0; layer < kPlotDrawingLayers; ++layer) {
        zcad::TableRecord record;
        record.groups = {zcad::OwnedGroup::string(2, layerName(layer)), zcad::OwnedGroup::integral(70, 0),
                         zcad::OwnedGroup::integral(62, layerColour(layer)),
                         zcad::OwnedGroup::string(6, "CONTINUOUS")};
        db.layers().add(std::move(record));
    }
}

class Maker {
public:
    explicit Maker(zcad::Database& db) : db_(db) {}

    void entity(std::int64_t i, const std::string& layer) {
        const double x = coordinate(i, 0, 500000.0);
        const double y = coordinate(i, 1, 6900000.0);
        switch (i % 20) {
        case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7:
            line(layer, x, y, coordinate(i, 2, 500000.0), coordinate(i, 3, 6900000.0));
            return;
        case 8: case 9: case 10: case 11: case 12:
            lwPolyline(i, layer, x, y);
            return;
        case 13: case 14:
            arc(layer, x, y, 1.0 + static_cast<double>(i % 97) / 10.0, (i % 360) * std::numbers::pi / 180.0);
            return;
        case 15: case 16:
            circle(layer, x, y, 0.5 + static_cast<double>(i % 13) / 4.0);
            return;
        case 17: case 18:
            text(i, layer, x, y);
            return;
        default:
            polyline(i, layer, x, y);
            return;
        }
    }

private:
    zcad::GroupWriter start(const char* type, const std::string& layer) {
        list_.clear();
        zcad::GroupWriter w(list_);
        w.string(0, type);
        w.string(8, layer);
        return w;
    }
    void line(const std::string& layer, double x1, double y1, double x2, double y2) {
        zcad::GroupWriter w = start("LINE", layer);
        w.point(10, x1, y1, 0);
        w.point(11, x2, y2, 0);
        db_.append(list_);
    }
    void lwPolyline(std::int64_t i, const std::string& layer, double x, double y) {
        constexpr int kVertices = 5;
        zcad::GroupWriter w = start("LWPOLYLINE", layer);
        w.integral(90, kVertices);
        w.integral(70, i % 2);
        for (int k = 0; k < kVertices; ++k) w.point(10, x + k * 1.25, y + (k % 2) * 2.5, 0, true);
        db_.append(list_);
    }
    void arc(const std::string& layer, double x, double y, double radius, double startAngle) {
        zcad::GroupWriter w = start("ARC", layer);
        w.point(10, x, y, 0);
        w.real(40, radius);
        w.real(50, startAngle);
        w.real(51, startAngle + 1.25);
        db_.append(list_);
    }
    void circle(const std::string& layer, double x, double y, double radius) {
        zcad::GroupWriter w = start("CIRCLE", layer);
        w.point(10, x, y, 0);
        w.real(40, radius);
        db_.append(list_);
    }
    void text(std::int64_t i, const std::string& layer, double x, double y) {
        const int horizontal = static_cast<int>(i % 3);
        const int vertical = static_cast<int>(i / 3 % 4);
        zcad::GroupWriter w = start("TEXT", layer);
        w.point(10, x, y, 0);
        w.real(40, 2.5);
        w.string(1, "LOT " + std::to_string(i % 100000));
        w.real(50, static_cast<double>(i % 8) * std::numbers::pi / 4.0);
        w.integral(72, horizontal);
        w.point(11, x + 1.5, y + 0.5, 0);
        w.integral(73, vertical);
        db_.append(list_);
    }
    void polyline(std::int64_t i, const std::string& layer, double x, double y) {
        constexpr int kVertices = 4;
        zcad::GroupWriter head = start("POLYLINE", layer);
        head.integral(66, 1);
        head.point(10, 0, 0, 0);
        head.integral(70, i % 2);
        db_.append(list_);
        for (int k = 0; k < kVertices; ++k) {
            zcad::GroupWriter w = start("VERTEX", layer);
            w.point(10, x + k * 2.0, y - k * 0.75, 0);
            db_.append(list_);
        }
        start("SEQEND", layer);
        db_.append(list_);
    }

    zcad::Database& db_;
    std::vector<std::uint8_t> list_;
};

}  // namespace

std::unique_ptr<zcad::Database> makePlotDrawing(std::int64_t entities) {
    auto db = std::make_unique<zcad::Database>();
    addLayers(*db);
    Maker maker(*db);
    // Drafters draw a few dozen things on a layer before moving on.
    constexpr std::int64_t kRun = 37;
    for (std::int64_t i = 0; i < entities; ++i) {
        maker.entity(i, layerName(static_cast<int>(i / kRun % kPlotDrawingLayers)));
    }
    return db;
}

bool writePlotTablesFor(const std::string& installDir, std::string& error) {
    std::string lay = "LAYER   12 Aug-2014\r\n";
    std::string pen = "PLOT.PEN     1 APR-1997\r\n";
    for (int layer = 0; layer < kPlotDrawingLayers; ++layer) {
        const std::string name = layerName(layer);
        char row[96];
        std::snprintf(row, sizeof row, "%4d%4d%4d 2%-12s;%-12s;%-12s\r\n", 10 + layer, 0, 0, name.c_str(),
                      name.c_str(), "standard");
        lay += row;
        std::snprintf(row, sizeof row, "%s,%d,0,1,0.350000,%06x\r\n", name.c_str(), layer % 8 + 1,
                      static_cast<unsigned>(layerColour(layer)));
        pen += row;
    }
    lay += "/////\r\n";
    pen += "/////\r\n";
    std::ofstream(installDir + "plot.lay", std::ios::binary) << lay;
    std::ofstream(installDir + "plot.pen", std::ios::binary) << pen;
    std::ifstream check(installDir + "plot.pen");
    if (check) return true;
    error = "cannot write the plot tables in " + installDir;
    return false;
}
