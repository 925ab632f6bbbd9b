// Saves and loads a drawing of many 3DFACE entities, beside the durable I/O
// floor of each (the save: the same bytes written and synced; the load: the
// file read) and the ezdxf peers, bench_dxf_ezdxf.py: its fastest path
// (r12writer to save, iterdxf to load) and, when asked, its document API.
// Usage: bench_dxf [faces] [directory] [runs] [--document-api] [--no-ezdxf]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "best_of.h"
#include "child_process.h"
#include "io_floor.h"
#include "peer_flags.h"
#include "summary.h"
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

struct PeerTimes {
    Timing save;
    Timing load;
};

// The peer's own save and load seconds; its processor seconds are the whole
// process's, making the faces too, so they are left out.
PeerTimes peer(bool wanted, bool fast, long long count, const std::string& dir) {
    if (!wanted) return {};
    std::vector<std::string> args{std::to_string(count), dir};
    if (fast) args.insert(args.begin(), "--fast");
    const Ran ran = runPeer("dxf/bench_dxf_ezdxf.py", args);
    PeerTimes times;
    if (!ran.ok || std::sscanf(ran.out.c_str(), "save %lf load %lf", &times.save.wall, &times.load.wall) != 2) return {};
    std::printf("  %s", ran.out.substr(ran.out.find('\n') + 1).c_str());
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    const PeerFlags flags = readPeerFlags(argc, argv);
    const std::vector<const char*>& positional = flags.positional;
    const long long count = !positional.empty() ? std::atoll(positional[0]) : 1000000;
    const std::string dir = positional.size() > 1 ? positional[1] : "/tmp";
    const int runs = positional.size() > 2 ? std::max(1, std::atoi(positional[2])) : 3;
    const std::string path = dir + "/zcad_bench_faces.dxf";

    const auto db = faces(count);
    const zcad::DxfVersion version = zcad::DxfVersion::R12;
    std::string error;

    double saveProcessor = 1e300;
    const double save = bestOf(runs, [&] {
        const double start = processorSeconds();
        const bool saved = zcad::writeDxf(path, *db, &version, error);
        saveProcessor = std::min(saveProcessor, processorSeconds() - start);
        return saved;
    });
    if (save < 0) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const double format = bestOf(runs, [&] {
        return zcad::writeDxfTo(*db, &version, [](std::string_view) { return true; });
    });
    const std::string text = readWhole(path);
    const double saveFloor = durableFloor({}, text, dir + "/zcad_bench_floor.dxf", runs);
    const double loadFloor = durableFloor({path}, {}, dir + "/zcad_bench_floor.dxf", runs);
    if (saveFloor < 0 || loadFloor < 0) return 1;

    double loadProcessor = 1e300;
    const double load = bestOf(runs, [&] {
        const double start = processorSeconds();
        const auto loaded = zcad::readDxf(path, error);
        loadProcessor = std::min(loadProcessor, processorSeconds() - start);
        return loaded && loaded->entityCount() == static_cast<std::size_t>(count);
    });
    std::remove(path.c_str());
    if (load < 0) {
        std::fprintf(stderr, "load failed: %s\n", error.c_str());
        return 1;
    }
    const double mb = static_cast<double>(text.size()) / 1e6;
    std::printf("faces %lld, file %.1f MB, best of %d runs\n", count, mb, runs);
    std::printf("save  %.3f s  %.0f MB/s  (formatting alone %.3f s)\n", save, mb / save, format);
    std::printf("load  %.3f s  %.0f MB/s\n", load, mb / load);
    const PeerTimes fast = peer(flags.fastestPath(), true, count, dir);
    const PeerTimes document = peer(flags.documentPeer(), false, count, dir);
    printSummary("DXF save", {save, saveProcessor}, saveFloor, fast.save, document.save);
    printSummary("DXF load", {load, loadProcessor}, loadFloor, fast.load, document.load);
    return 0;
}
