// Draws a drawing of many entities (lines, bulged polylines, circles, arcs,
// level texts and points on coloured layers, as a survey import makes) to
// PNG and to SVG, and compares each with the I/O floor: the picture's own
// bytes written and fsynced. Then runs the ezdxf peer on the same DXF.
// Usage: bench_render [entities] [directory] [peer entities]
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "zcad/database.h"
#include "zcad/dxf.h"
#include "zcad/picture.h"

namespace {

double seconds(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A site 2 km square: entity i at a spot spread by a fixed formula.
double spot(long long i, int k, double base) { return base + static_cast<double>((i * 7919 + k * 104729) % 2000000) / 1000.0; }

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

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool writeFloor(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

struct Timing {
    double picture = -1;
    double floor = -1;
    double megabytes = 0;
};

Timing timePicture(const zcad::Database& db, const std::string& path, const zcad::PictureOptions& options) {
    Timing t;
    std::string error;
    const auto start = std::chrono::steady_clock::now();
    if (!zcad::writePicture(db, path, options, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return t;
    }
    t.picture = seconds(start);
    const std::string bytes = readWhole(path);
    t.megabytes = static_cast<double>(bytes.size()) / 1e6;
    const auto floorStart = std::chrono::steady_clock::now();
    if (writeFloor(path + ".floor", bytes)) t.floor = seconds(floorStart);
    std::remove((path + ".floor").c_str());
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    const long long count = argc > 1 ? std::atoll(argv[1]) : 1000000;
    const std::string dir = argc > 2 ? argv[2] : "/tmp";
    const long long peerCount = argc > 3 ? std::atoll(argv[3]) : std::min(count, 50000LL);
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
    const double loaded = seconds(load);
    const double held = static_cast<double>(db->bytesHeld()) / 1e6;

    zcad::PictureOptions options;  // 1600 by 1200, the default
    std::printf("entities %lld, loaded in %.3f s, drawing holds %.0f MB\n", count, loaded, held);
    const Timing png = timePicture(*db, dir + "/zcad_bench_site.png", options);
    if (png.picture < 0) return 1;
    std::printf("png  %.3f s  (%.1f MB)  floor %.4f s  png/floor %.0f\n", png.picture, png.megabytes, png.floor, png.picture / png.floor);
    std::printf("peak memory %.0f MB before loading, %.0f MB after loading and the PNG\n", before, peakMegabytes());
    std::fflush(stdout);

    // The peer: ezdxf's drawing add-on with matplotlib on the same drawing
    // (or a smaller one of the same mix, its time per entity scaled up).
    const std::string peer = std::string(ZCAD_BENCH_DIR) + "/render_ezdxf.py";
    const std::string peerFile = peerCount == count ? dxf : peerDxf;
    const std::string command = "/usr/bin/python3 " + peer + " " + peerFile + " " + dir + "/zcad_bench_site_ezdxf.png";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    double peerSeconds = -1;
    char line[512];
    while (pipe && std::fgets(line, sizeof line, pipe)) {
        std::fputs(line, stdout);
        std::sscanf(line, "ezdxf draw+png %lf", &peerSeconds);
    }
    if (pipe) ::pclose(pipe);
    if (peerSeconds > 0) {
        const double scaled = peerSeconds * static_cast<double>(count) / static_cast<double>(peerCount);
        std::printf("ezdxf for %lld entities: %.1f s%s\n", count, scaled, peerCount == count ? "" : " (scaled from its rate)");
        std::printf("ezdxf/zcad png %.0f\n", scaled / png.picture);
    }
    std::fflush(stdout);

    // Last: cairo's SVG surface holds the whole page and grows slower than
    // the drawing does.
    const Timing svg = timePicture(*db, dir + "/zcad_bench_site.svg", options);
    if (svg.picture < 0) return 1;
    std::printf("svg  %.3f s  (%.1f MB)  floor %.4f s  svg/floor %.1f\n", svg.picture, svg.megabytes, svg.floor, svg.picture / svg.floor);
    std::printf("peak memory %.0f MB after the SVG\n", peakMegabytes());
    std::remove(dxf.c_str());
    std::remove(peerDxf.c_str());
    return 0;
}
