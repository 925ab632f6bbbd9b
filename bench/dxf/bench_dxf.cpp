// Saves and loads a drawing of many 3DFACE entities and compares the save
// with the I/O floor: the same bytes written in one buffered pass.
// Usage: bench_dxf [faces] [directory] [runs]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "best_of.h"
#include "durable_write.h"
#include "zcad/database.h"
#include "zcad/dxf.h"

namespace {

// Survey-like coordinates: metres with millimetres, as a triangulation
// imported from the suite's files has them. The Python peer uses the same
// formula.
double coordinate(long long i, int k, double base) {
    const long long millimetres = (i * 7919 + k * 104729) % 1000000;
    return base + static_cast<double>(millimetres) / 1000.0;
}

std::unique_ptr<zcad::Database> faces(long long count) {
    auto db = std::make_unique<zcad::Database>();
    std::vector<std::uint8_t> list;
    for (long long i = 0; i < count; ++i) {
        list.clear();
        zcad::GroupWriter w(list);
        w.string(0, "3DFACE");
        w.string(8, "Triangles");
        for (int k = 0; k < 4; ++k) {
            const int v = k == 3 ? 2 : k;
            w.point(10 + k, coordinate(i, v, 500000.0), coordinate(i, v + 3, 6900000.0), coordinate(i, v + 6, 0.0) / 100.0);
        }
        db->append(list);
    }
    return db;
}

}  // namespace

int main(int argc, char** argv) {
    const long long count = argc > 1 ? std::atoll(argv[1]) : 1000000;
    const std::string dir = argc > 2 ? argv[2] : "/tmp";
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    const std::string path = dir + "/zcad_bench_faces.dxf";
    const std::string floorPath = dir + "/zcad_bench_floor.dxf";

    const auto db = faces(count);
    const zcad::DxfVersion version = zcad::DxfVersion::R12;
    std::string error;

    const double save = bestOf(runs, [&] { return zcad::writeDxf(path, *db, &version, error); });
    if (save < 0) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const double format = bestOf(runs, [&] {
        return zcad::writeDxfTo(*db, &version, [](std::string_view) { return true; });
    });
    const std::string text = zcad::writeDxfText(*db, &version);
    const double floor = bestOf(runs, [&] { return writeDurably(floorPath, text); });
    if (floor < 0) return 1;

    const double load = bestOf(runs, [&] {
        const auto loaded = zcad::readDxf(path, error);
        return loaded && loaded->entityCount() == static_cast<std::size_t>(count);
    });
    if (load < 0) {
        std::fprintf(stderr, "load failed: %s\n", error.c_str());
        return 1;
    }
    const double mb = static_cast<double>(text.size()) / 1e6;
    std::printf("faces %lld, file %.1f MB, best of %d runs\n", count, mb, runs);
    std::printf("save  %.3f s  %.0f MB/s  (formatting alone %.3f s)\n", save, mb / save, format);
    std::printf("floor %.3f s  %.0f MB/s  save/floor %.2f\n", floor, mb / floor, save / floor);
    std::printf("load  %.3f s  %.0f MB/s\n", load, mb / load);
    std::remove(floorPath.c_str());
    std::remove(path.c_str());
    return 0;
}
