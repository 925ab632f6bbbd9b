// Draws a drawing of many entities (lines, bulged polylines, circles, arcs,
// level texts and points on coloured layers, as a survey import makes) to
// PNG and to SVG. Each picture is made in a child process of its own from
// the DXF, so that its load, its time and its peak memory are its own; the
// quickest of three runs counts. The PNG and the SVG are compared with
// ezdxf's peers in render_ezdxf.py, drawing the same mix (the fastest path:
// iterdxf and matplotlib collections; with --document-api, the drawing
// add-on), their time per entity scaled from a smaller drawing (10,000
// entities unless told); with --librecad, both pictures with LibreCAD's
// dxf2pdf on the very same drawing, load and all. Each picture is also set
// against the durable I/O floor of its own bytes (written and synced); the
// HTML page, which no peer makes, against that alone, and its size against
// the SVG's; with --browser, the page is opened in headless Chromium
// (offline) and its load timed, as a desktop browser would open it.
// Usage: bench_render [entities] [directory] [peer entities] [--document-api] [--no-ezdxf] [--librecad] [--browser]
//        bench_render --child png|svg|html DRAWING.dxf PICTURE
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

// One picture in this process: prints "load L picture P processor C
// loaded R held H peak K" (seconds; the picture's processor seconds, all
// threads; the resident bytes after loading; the drawing's bytes; the peak
// resident bytes while the picture was made, the load's own peak forgotten).
int child(const std::string& drawing, const std::string& picture) {
    std::string error;
    const auto load = std::chrono::steady_clock::now();
    const auto db = zcad::readDxf(drawing, error);
    if (!db) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const double loaded = secondsSince(load);
    const long long resident = statusBytes("VmRSS");
    // Linux forgets the peak so far when told "5".
    if (std::FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
    const auto start = std::chrono::steady_clock::now();
    const double processor = processorSeconds();
    if (!zcad::writePicture(*db, picture, zcad::PictureOptions{}, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const double seconds = secondsSince(start);
    std::printf("load %.6f picture %.6f processor %.6f loaded %lld held %zu peak %lld\n", loaded, seconds, processorSeconds() - processor,
                resident, db->bytesHeld(), statusBytes("VmHWM"));
    return 0;
}

struct PictureRun {
    double load = -1;
    double picture = -1;
    double processor = -1;  // of the picture, all its threads
    long long loadedBytes = 0;
    long long peakBytes = 0;  // while the picture was made
    std::size_t held = 0;
    double megabytes = 0;
    double floor = -1;
};

// The quickest of `runs` children by the picture's time; the floor of the
// picture's own bytes.
PictureRun timePicture(const std::string& format, const std::string& drawing, const std::string& picture, int runs,
                       bool keep = false) {
    PictureRun best;
    for (int run = 0; run < runs; ++run) {
        const Ran ran = runProgram({selfPath(), "--child", format, drawing, picture});
        PictureRun r;
        if (!ran.ok || std::sscanf(ran.out.c_str(), "load %lf picture %lf processor %lf loaded %lld held %zu peak %lld", &r.load,
                                   &r.picture, &r.processor, &r.loadedBytes, &r.held, &r.peakBytes) != 6) {
            return {};
        }
        if (best.picture < 0 || r.picture < best.picture) best = r;
    }
    const std::string bytes = readWhole(picture);
    best.megabytes = static_cast<double>(bytes.size()) / 1e6;
    best.floor = durableFloor({}, bytes, picture + ".floor", 3);
    if (!keep) std::remove(picture.c_str());
    return best;
}

// A peer's seconds to draw and write its picture (PNG or SVG, by the name's
// ending), scaled from the entities it drew to `count`; not measured when it
// fails.
Timing peerPicture(bool fast, const std::string& drawing, const std::string& picture, double scale) {
    std::vector<std::string> args{drawing, picture};
    if (fast) args.insert(args.begin(), "--fast");
    const Ran ran = runPeer("render/render_ezdxf.py", args);
    std::remove(picture.c_str());
    double load = 0, draw = 0;
    if (!ran.ok || std::sscanf(ran.out.c_str(), "load %lf draw+save %lf", &load, &draw) != 2) return {};
    std::printf("%s", ran.out.substr(ran.out.find('\n') + 1).c_str());
    return {draw * scale, -1};
}

// LibreCAD's dxf2pdf on the same drawing, in a folder of its own (it
// writes its PDF beside the drawing), load and all.
Timing librecad(const std::string& drawing, const std::string& dir) {
    const std::filesystem::path folder = std::filesystem::path(dir) / "zcad_bench_librecad";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::filesystem::path copy = folder / "site.dxf";
    std::filesystem::copy_file(drawing, copy);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string program = "/usr/bin/librecad";
    const std::string here = std::filesystem::current_path().string();
    std::filesystem::current_path(folder);
    const Ran ran = runProgram({program, "dxf2pdf", "-a", "site.dxf"});
    std::filesystem::current_path(here);
    const bool made = std::filesystem::exists(folder / "site.pdf");
    std::filesystem::remove_all(folder);
    if (!ran.ok || !made) {
        std::fprintf(stderr, "LibreCAD's dxf2pdf did not make its PDF (is the Debian package librecad installed?)\n");
        return {};
    }
    std::printf("  LibreCAD dxf2pdf %.3f s (processor %.3f s, peak %.0f MB)\n", ran.wall, ran.processor,
                static_cast<double>(ran.peakBytes) / 1e6);
    return {ran.wall, ran.processor};
}

// A page (or the SVG alone) opened in headless Chromium, from navigating
// to it until it is ready and painted, and (a page) how long a step of
// zoom takes to draw: the quickest of three, in seconds; -1 when it failed.
struct BrowserRun {
    double load = -1;
    double zoom = -1;
};

BrowserRun browserRun(const std::string& page, const std::string& dir, bool zoom) {
    const std::string steps = dir + "/zcad_bench_steps.json";
    if (std::FILE* out = std::fopen(steps.c_str(), "w")) {
        std::fputs(zoom ? R"([{"do": "key", "key": "+"}, {"do": "paint"}])" : "[]", out);
        std::fclose(out);
    }
    BrowserRun best;
    for (int run = 0; run < 3; ++run) {
        const Ran ran = runPeer("../tests/host/render/page_driver.py", {page, "1600", "1200", steps, "900"});
        long load = -1;
        long drawn = -1;
        if (!ran.ok || std::sscanf(ran.out.c_str(), "load %ld", &load) != 1) break;
        const std::size_t paint = ran.out.rfind("result ");
        const bool timed =
            paint != std::string::npos && std::sscanf(ran.out.c_str() + paint, "result %ld", &drawn) == 1;
        if (zoom && !timed) break;
        if (best.load < 0 || load / 1000.0 < best.load) best.load = load / 1000.0;
        if (zoom && (best.zoom < 0 || drawn / 1000.0 < best.zoom)) best.zoom = drawn / 1000.0;
    }
    std::remove(steps.c_str());
    return best;
}

void report(const char* name, const PictureRun& r) {
    std::printf("%s  picture %.3f s (processor %.3f s), with the load %.3f s (load %.3f s)  %.1f MB  floor %.4f s\n", name, r.picture,
                r.processor, r.load + r.picture, r.load, r.megabytes, r.floor);
    std::printf("     peak memory while drawing %.0f MB, %.2f times the %.0f MB after loading (the drawing holds %.0f MB)\n",
                static_cast<double>(r.peakBytes) / 1e6, static_cast<double>(r.peakBytes) / static_cast<double>(r.loadedBytes),
                static_cast<double>(r.loadedBytes) / 1e6, static_cast<double>(r.held) / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "--child") == 0) return child(argv[3], argv[4]);
    std::vector<char*> rest;
    bool withLibrecad = false;
    bool withBrowser = false;
    for (int k = 0; k < argc; ++k) {
        if (std::strcmp(argv[k], "--librecad") == 0) withLibrecad = true;
        else if (std::strcmp(argv[k], "--browser") == 0) withBrowser = true;
        else rest.push_back(argv[k]);
    }
    const PeerFlags flags = readPeerFlags(static_cast<int>(rest.size()), rest.data());
    const std::vector<const char*>& positional = flags.positional;
    const long long count = !positional.empty() ? std::atoll(positional[0]) : 1000000;
    const std::string dir = positional.size() > 1 ? positional[1] : "/tmp";
    const long long peerCount = positional.size() > 2 ? std::atoll(positional[2]) : std::min(count, 10000LL);
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
    std::printf("entities %lld, each picture 1600 by 1200, the quickest of 3 runs\n", count);
    const PictureRun png = timePicture("png", dxf, dir + "/zcad_bench_site.png", 3);
    if (png.picture < 0) return 1;
    report("png", png);
    std::fflush(stdout);

    const std::string peerFile = peerCount == count ? dxf : peerDxf;
    const double scale = static_cast<double>(count) / static_cast<double>(peerCount);
    if (peerCount != count) std::printf("the ezdxf peers draw %lld entities, scaled to %lld by their rate\n", peerCount, count);
    // Ours against the peers that draw the same picture, by its ending.
    const auto summarise = [&](const char* job, const PictureRun& ours, const char* ending) {
        const std::string picture = dir + "/zcad_bench_site_ezdxf." + ending;
        const Timing fast = flags.fastestPath() ? peerPicture(true, peerFile, picture, scale) : Timing{};
        const Timing document = flags.documentPeer() ? peerPicture(false, peerFile, picture, scale) : Timing{};
        printSummary(job, {ours.picture, ours.processor}, ours.floor, fast, document);
    };
    summarise("PNG", png, "png");

    const std::string svgFile = dir + "/zcad_bench_site.svg";
    const PictureRun svg = timePicture("svg", dxf, svgFile, 3, withBrowser);
    if (svg.picture < 0) return 1;
    report("svg", svg);
    summarise("SVG", svg, "svg");

    const std::string page = dir + "/zcad_bench_site.html";
    const PictureRun html = timePicture("html", dxf, page, 3, withBrowser);
    if (html.picture < 0) return 1;
    report("html", html);
    printSummary("HTML", {html.picture, html.processor}, html.floor, {}, {});
    std::printf("summary page/SVG size %.2f (%.1f MB against %.1f MB)\n", html.megabytes / svg.megabytes,
                html.megabytes, svg.megabytes);
    if (withBrowser) {
        const BrowserRun ours = browserRun(page, dir, true);
        const BrowserRun alone = browserRun(svgFile, dir, false);
        if (ours.load < 0 || alone.load < 0) {
            std::printf("the page did not open in headless Chromium (Debian's chromium)\n");
        } else {
            std::printf("summary headless Chromium, the quickest of 3: page load %.2f s (the SVG alone %.2f s), "
                        "a step of zoom drawn in %.2f s\n", ours.load, alone.load, ours.zoom);
        }
        std::remove(page.c_str());
        std::remove(svgFile.c_str());
    }

    if (withLibrecad) {
        const Timing theirs = librecad(dxf, dir);
        if (theirs.wall > 0) {
            std::printf("summary LibreCAD dxf2pdf/ours, load and all: PNG %.1f, SVG %.1f\n", theirs.wall / (png.load + png.picture),
                        theirs.wall / (svg.load + svg.picture));
        }
    }
    std::remove(dxf.c_str());
    std::remove(peerDxf.c_str());
    return 0;
}
