// Draws a drawing of many entities (lines, bulged polylines, circles, arcs,
// level texts and points on coloured layers, as a survey import makes) to
// PNG and to SVG, and compares each with the durable I/O floor: the
// picture's own bytes written and synced (the drawing is in memory, so
// nothing is read). Then the ezdxf peers, render_ezdxf.py, draw the PNG
// from the same DXF: the fastest path (iterdxf and matplotlib collections)
// and, with --document-api, ezdxf's drawing add-on. Both draw a smaller
// drawing of the same mix (50,000 entities unless told) and their time per
// entity is scaled up: a million takes the add-on most of an hour.
// Usage: bench_render [entities] [directory] [peer entities] [--document-api] [--no-ezdxf]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
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
#include "zcad/picture.h"

namespace {

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A site 2 km square: entity i at a spot spread over it by a fixed
// formula, x and y stepping by different primes so that the spots fill the
// square rather than lie along its diagonal.
double spot(long long i, int k, double base) {
    const long long step = k == 0 ? 7919 : 104729;
    return base + static_cast<double>((i * step + k * 3571) % 2000000) / 1000.0;
}

void addLayers(zcad::Database& db) {
    const char* names[] = {"KERB", "CENTRE", "LOTS", "LEVELS", "TREES", "SERVICES"};
    const int colours[] = {1, 3, 5, 2, 94, 30};
    for (int k = 0; k < 6; ++k) {
        zcad::TableRecord record;
        record.groups = {zcad::OwnedGroup::string(2, names[k]), zcad::OwnedGroup::integral(70, 0),
                         zcad::OwnedGroup::integral(62, colours[k]), zcad::OwnedGroup::string(6, "CONTINUOUS")};
        db.layers().add(std::move(record));
    }
}

std::unique_ptr<zcad::Database> site(long long count) {
    auto db = std::make_unique<zcad::Database>();
    addLayers(*db);
    db->setHeaderVar("$PDMODE", {zcad::OwnedGroup::integral(70, 3)});
    std::vector<std::uint8_t> list;
    char level[32];
    for (long long i = 0; i < count; ++i) {
        list.clear();
        zcad::GroupWriter w(list);
        const double x = spot(i, 0, 300000.0);
        const double y = spot(i, 1, 6200000.0);
        switch (i % 10) {
        case 0: case 1: case 2: case 3:
            w.string(0, "LINE");
            w.string(8, i % 2 ? "KERB" : "SERVICES");
            w.point(10, x, y, 0);
            w.point(11, x + 4, y + 1.5, 0);
            break;
        case 4: case 5:
            w.string(0, "LWPOLYLINE");
            w.string(8, "LOTS");
            w.integral(90, 3);
            w.point(10, x, y, 0, true);
            w.real(42, 0.4);
            w.point(10, x + 6, y, 0, true);
            w.point(10, x + 6, y + 5, 0, true);
            break;
        case 6:
            w.string(0, i % 20 < 10 ? "CIRCLE" : "ARC");
            w.string(8, "TREES");
            w.point(10, x, y, 0);
            w.real(40, 1.5);
            if (i % 20 >= 10) {
                w.real(50, 0.3);
                w.real(51, 2.8);
            }
            break;
        case 7: case 8:
            w.string(0, "TEXT");
            w.string(8, "LEVELS");
            w.point(10, x, y, 0);
            w.real(40, 0.8);
            std::snprintf(level, sizeof level, "%.3f", 10 + static_cast<double>(i % 9000) / 100.0);
            w.string(1, level);
            break;
        default:
            w.string(0, "POINT");
            w.string(8, "CENTRE");
            w.point(10, x, y, static_cast<double>(i % 5000) / 100.0);
            break;
        }
        db->append(list);
    }
    return db;
}

struct PictureTimes {
    Timing picture;
    double floor = -1;
    double megabytes = 0;
};

PictureTimes timePicture(const zcad::Database& db, const std::string& path, const zcad::PictureOptions& options) {
    PictureTimes t;
    std::string error;
    const auto start = std::chrono::steady_clock::now();
    const double processor = processorSeconds();
    if (!zcad::writePicture(db, path, options, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return t;
    }
    t.picture = {secondsSince(start), processorSeconds() - processor};
    const std::string bytes = readWhole(path);
    t.megabytes = static_cast<double>(bytes.size()) / 1e6;
    t.floor = durableFloor({}, bytes, path + ".floor", 1);
    std::remove(path.c_str());
    return t;
}

// A peer's seconds to draw and write its PNG, scaled from the entities it
// drew to `count`; not measured when it fails.
Timing peerPicture(bool fast, const std::string& drawing, const std::string& png, double scale) {
    std::vector<std::string> args{drawing, png};
    if (fast) args.insert(args.begin(), "--fast");
    const Ran ran = runPeer("render/render_ezdxf.py", args);
    std::remove(png.c_str());
    double load = 0, draw = 0;
    if (!ran.ok || std::sscanf(ran.out.c_str(), "load %lf draw+png %lf", &load, &draw) != 2) return {};
    std::printf("%s", ran.out.substr(ran.out.find('\n') + 1).c_str());
    return {draw * scale, -1};
}

}  // namespace

int main(int argc, char** argv) {
    const PeerFlags flags = readPeerFlags(argc, argv);
    const std::vector<const char*>& positional = flags.positional;
    const long long count = !positional.empty() ? std::atoll(positional[0]) : 1000000;
    const std::string dir = positional.size() > 1 ? positional[1] : "/tmp";
    const long long peerCount = positional.size() > 2 ? std::atoll(positional[2]) : std::min(count, 50000LL);
    const std::string dxf = dir + "/zcad_bench_site.dxf";
    const std::string peerDxf = dir + "/zcad_bench_site_peer.dxf";
    std::string error;
    // R2000: LWPOLYLINE is no R12 entity.
    const zcad::DxfVersion release = zcad::DxfVersion::R2000;
    {
        const auto made = site(count);
        if (!zcad::writeDxf(dxf, *made, &release, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        if (peerCount != count && !zcad::writeDxf(peerDxf, *site(peerCount), &release, error)) return 1;
    }
    const double before = peakMegabytes();
    const auto load = std::chrono::steady_clock::now();
    const auto db = zcad::readDxf(dxf, error);
    if (!db) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const double loaded = secondsSince(load);
    const double held = static_cast<double>(db->bytesHeld()) / 1e6;

    zcad::PictureOptions options;  // 1600 by 1200, the default
    std::printf("entities %lld, loaded in %.3f s, drawing holds %.0f MB\n", count, loaded, held);
    const PictureTimes png = timePicture(*db, dir + "/zcad_bench_site.png", options);
    if (png.picture.wall < 0) return 1;
    std::printf("png  %.3f s  (%.1f MB)  floor %.4f s\n", png.picture.wall, png.megabytes, png.floor);
    std::printf("peak memory %.0f MB before loading, %.0f MB after loading and the PNG\n", before, peakMegabytes());
    std::fflush(stdout);

    const std::string peerFile = peerCount == count ? dxf : peerDxf;
    const std::string peerPng = dir + "/zcad_bench_site_ezdxf.png";
    const double scale = static_cast<double>(count) / static_cast<double>(peerCount);
    if (peerCount != count) std::printf("the peers draw %lld entities, scaled to %lld by their rate\n", peerCount, count);
    const Timing fast = flags.fastestPath() ? peerPicture(true, peerFile, peerPng, scale) : Timing{};
    const Timing document = flags.documentPeer() ? peerPicture(false, peerFile, peerPng, scale) : Timing{};
    printSummary("PNG", png.picture, png.floor, fast, document);

    // Last: cairo's SVG surface holds the whole page and grows slower than
    // the drawing does.
    const PictureTimes svg = timePicture(*db, dir + "/zcad_bench_site.svg", options);
    if (svg.picture.wall < 0) return 1;
    std::printf("svg  %.3f s  (%.1f MB)\n", svg.picture.wall, svg.megabytes);
    std::printf("peak memory %.0f MB after the SVG\n", peakMegabytes());
    printSummary("SVG", svg.picture, svg.floor, {}, {});
    std::remove(dxf.c_str());
    std::remove(peerDxf.c_str());
    return 0;
}
