// Triangle models written for each test, the import settings at known
// values, and the triangle layer file's place under a drive root of the
// test's own.
#pragma once

#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "../layers/zarvo_fixture.h"
#include "settings/settings_record.h"
#include "triangle_model_generator.h"
#include "triangles/triangle_import.h"
#include "triangles/triangle_layer_file.h"

namespace tritest {

using namespace zatriangles;

inline UTTriangle tri(std::int32_t v1, std::int32_t v2, std::int32_t v3, std::array<std::int32_t, 3> across = {-1, -1, -1},
                      std::array<std::uint8_t, 3> edges = {8, 8, 8}, std::uint8_t paint = 0) {
    UTTriangle t;
    t.vertices = {v1, v2, v3};
    t.neighbours = across;
    t.edgeFlags = edges;
    t.paint = paint;
    t.flags = 1;
    return t;
}

// A clock that gives the times set in ticks, then keeps the last.
inline std::deque<std::int64_t> ticks;
inline std::int64_t scriptedClock() {
    const std::int64_t now = ticks.front();
    if (ticks.size() > 1) ticks.pop_front();
    return now;
}

inline UTTriangle garbage() {
    UTTriangle t;
    t.vertices = {0, -5, 1 << 30};
    t.neighbours = {-7, 1 << 29, 0};
    t.flags = 0x80;  // inactive: bit 0 clear
    return t;
}

// A square of two triangles rising to the north, the diagonal between them
// a breakline, padded with inactive records to the seven a UT file needs.
//   6 (0,10,5) --- 5 (10,10,5)
//   |           /  |
//   3 (0,0,0)  --- 4 (10,0,0)
inline TriangleModelData square() {
    TriangleModelData model;
    model.points = {{0, 0, 0}, {10, 0, 0}, {10, 10, 5}, {0, 10, 5}};
    // Edge k faces vertex k: the lower triangle's edge 1 (5-3) and the upper's edge 2 (3-5) are shared.
    model.records = {tri(3, 4, 5, {-1, 1, -1}, {8, 1, 8}, 3), tri(3, 5, 6, {-1, -1, 0}, {8, 8, 1}, 255)};
    for (int i = 0; i < 5; ++i) model.records.push_back(garbage());
    return model;
}

class TriangleTest : public ZarvoTest {
protected:
    void SetUp() override {
        ZarvoTest::SetUp();
        ZaSettings& s = zaSettings();
        s.useDialogs = true;
        s.utUseDefaults = false;
        s.colourLayers = false;
        s.saveJobUTIN = false;
        s.ctlPreference = 0;
        s.utMethod = 0;
        s.utEdges = 0;
        // The triangle layer file is looked for in <root>/zarvo/: here the
        // test's installation directory.
        ::setenv("ZARVO_DRIVE_ROOT", dir_.c_str(), 1);
        triangleLayerNames() = {};
    }
    void TearDown() override {
        triangleLayerNames() = {};
        ::unsetenv("ZARVO_DRIVE_ROOT");
        ZarvoTest::TearDown();
    }

    std::string writeModel(const std::string& name, const TriangleModelData& model) {
        std::string error;
        const std::string path = dir_ + name;
        EXPECT_TRUE(writeTriangleModel(path, model, error)) << error;
        return path;
    }

    static TriangleOptions options(ImportMethod method, EdgeDisplay edges = EdgeDisplay::Breaklines, int ctl = 0) {
        TriangleOptions o;
        o.method = method;
        o.edges = edges;
        o.ctlPreference = ctl;
        o.useTriangleLayerFile = false;
        o.colourLayers = false;
        return o;
    }

    // Entities of one type in drawing order.
    static std::vector<Stored> stored(const std::string& type) {
        std::vector<Stored> all;
        for (Stored& e : storedEntities()) {
            if (e.type == type) all.push_back(std::move(e));
        }
        return all;
    }
};

}  // namespace tritest
