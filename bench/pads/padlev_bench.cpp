// PADLEV on made-up subdivisions of 1,000, 10,000 and 100,000 lots in
// cadastral mode with the transfer file: the drawing loaded, the lots
// traced and drawn, the drawing saved, each size in a process of its own;
// then the shapely and ezdxf peer on their fastest paths (padlev_shapely.py:
// iterdxf to read, r12writer to write) on the same drawing, and the durable
// I/O floor (the drawing read; our drawing's and transfer file's bytes
// written, fsync). There is no document API peer.
//   bench_padlev [--lots 1000,10000,100000] [--dir DIR] [--no-peer]
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "best_of.h"
#include "child_process.h"
#include "io_floor.h"
#include "pads/padlev.h"
#include "settings/settings_record.h"
#include "subdivision_generator.h"
#include "summary.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/dxf.h"
#include "zcad/host_test.h"

namespace {

// The breakup rule's flatness: a few chords to each lot's frontage.
constexpr double kFlatness = 0.05;

void settle(const std::string& transfer) {
    ZaSettings& s = zaSettings();
    s.useDialogs = true;
    s.coordinateUseDefaults = true;
    s.xyzUseDefaults = true;
    s.xyzBreakup = 1;
    s.xyzValue = kFlatness;
    s.padCadOrLevel = false;
    s.padUseText = true;
    s.padNewLayer = false;
    s.padLayerName = "mklev";
    s.padStartLot = 1;
    s.padTransfer = true;
    s.padCadFileName = transfer;
}

// The child: load, PADLEV, save; prints "load padlev save peak-bytes formed
// cpu", cpu the processor seconds of the three.
int runPadlev(const std::string& input, const std::string& output, const std::string& transfer) {
    const std::string scratch = std::filesystem::path(output).parent_path() / ("zarvo-" + std::to_string(::getpid()));
    std::filesystem::create_directories(scratch);
    ::setenv("ZARVO_REGISTRY", (scratch + "/registry.reg").c_str(), 1);
    settle(transfer);
    std::string printed;
    zcad::setOutputSink([&](std::string_view text) {
        if (printed.size() < 4096) printed += text;  // the opening, should it fail
        if (text.find("Polygons formed") != std::string_view::npos) printed = text;
    });

    const double cpuAtStart = processorSeconds();
    auto start = std::chrono::steady_clock::now();
    std::string error;
    auto db = zcad::readDxf(input, error);
    if (!db) {
        std::fprintf(stderr, "load failed: %s\n", error.c_str());
        return 1;
    }
    zcad::replaceCurrentDatabase(std::move(db));
    const double load = secondsSince(start);

    zcad::clearInput();
    zcad::addInput(zcad::queueSource({"ALL", ""}));
    start = std::chrono::steady_clock::now();
    zaPADLEV();
    const double padlev = secondsSince(start);

    start = std::chrono::steady_clock::now();
    if (!zcad::writeDxf(output, zcad::currentDatabase(), nullptr, error)) {
        std::fprintf(stderr, "save failed: %s\n", error.c_str());
        return 1;
    }
    const double save = secondsSince(start);
    std::filesystem::remove_all(scratch);
    int formed = 0;
    const auto at = printed.find("Polygons formed ");
    if (at != std::string::npos) formed = std::atoi(printed.c_str() + at + 16);
    std::printf("%.3f %.3f %.3f %lld %d %.3f\n", load, padlev, save, statusBytes("VmHWM"), formed, processorSeconds() - cpuAtStart);
    return 0;
}

struct Measured {
    int lots = 0;
    double padlev = 0;
    double total = 0;
};

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"PADLEV on made-up subdivisions against shapely and ezdxf"};
    std::vector<int> sizes{1000, 10000, 100000};
    std::string dir = std::filesystem::temp_directory_path().string();
    bool noPeer = false;
    std::vector<std::string> child;
    app.add_option("--lots", sizes, "lot counts, each a run")->delimiter(',')->check(CLI::Range(1, 10000000));
    app.add_option("--dir", dir, "where the drawings go (removed afterwards)");
    app.add_flag("--no-peer", noPeer, "leave the peer out");
    app.add_option("--child", child, "INPUT OUTPUT TRANSFER: one PADLEV in this process")->expected(3);
    CLI11_PARSE(app, argc, argv);
    if (!child.empty()) return runPadlev(child[0], child[1], child[2]);

    const std::string stem = (std::filesystem::path(dir) / ("padlev" + std::to_string(::getpid() % 1000))).string();
    std::vector<Measured> measured;
    int failures = 0;
    for (const int lots : sizes) {
        const std::string input = stem + "-" + std::to_string(lots) + ".dxf";
        const std::string output = stem + "-out.dxf";
        const std::string transfer = stem + "-cadastra.txt";
        zcad::test::resetHost();
        zapads::SubdivisionShape shape;
        shape.lots = lots;
        const zcad::DxfVersion version = zcad::DxfVersion::R2000;
        std::string error;
        if (!zapads::drawSubdivision(zapads::makeSubdivision(shape)) ||
            !zcad::writeDxf(input, zcad::currentDatabase(), &version, error)) {
            std::fprintf(stderr, "bench_padlev: cannot make the drawing of %d lots %s\n", lots, error.c_str());
            return 1;
        }
        zcad::test::resetHost();

        const Ran ran = runProgram({selfPath(), "--child", input, output, transfer});
        const std::string& ours = ran.out;
        double load = 0, padlev = 0, save = 0;
        long long peak = 0;
        int formed = 0;
        double cpu = 0;
        if (!ran.ok || std::sscanf(ours.c_str(), "%lf %lf %lf %lld %d %lf", &load, &padlev, &save, &peak, &formed, &cpu) != 6) {
            std::fprintf(stderr, "PADLEV of %d lots failed\n", lots);
            ++failures;
            continue;
        }
        const double total = load + padlev + save;
        const auto inputBytes = std::filesystem::file_size(input);
        const auto outputBytes = std::filesystem::file_size(output);
        const auto transferBytes = std::filesystem::file_size(transfer);
        const double floor = durableFloor({input}, readWhole(output) + readWhole(transfer), stem + "-floor");
        std::printf("%d lots (%.1f MB in, %.1f MB out, transfer %.1f MB): %d formed\n", lots, inputBytes / 1e6,
                    outputBytes / 1e6, transferBytes / 1e6, formed);
        std::printf("  ours   load %.3f s + PADLEV %.3f s + save %.3f s = %.3f s, peak %.0f MB; I/O floor %.3f s, "
                    "ratio to floor %.1f\n",
                    load, padlev, save, total, peak / 1e6, floor, total / floor);
        measured.push_back({lots, padlev, total});
        std::filesystem::remove(output);
        std::filesystem::remove(transfer);
        Timing fast;
        if (!noPeer) {
            const Ran ranPeer = runPeer("pads/padlev_shapely.py", {input, output, std::to_string(kFlatness)});
            const std::string& peer = ranPeer.out;
            const double peerWall = ranPeer.wall;
            int peerLots = 0;
            double phase[5] = {};
            double peerCpu = 0;
            if (!ranPeer.ok || std::sscanf(peer.c_str(), "lots %d read %lf node %lf polygonize %lf locate %lf write %lf cpu %lf",
                            &peerLots, &phase[0], &phase[1], &phase[2], &phase[3], &phase[4], &peerCpu) != 7) {
                std::fprintf(stderr, "  the peer failed (python3-shapely and python3-ezdxf installed?)\n");
            } else {
                const double work = phase[0] + phase[1] + phase[2] + phase[3] + phase[4];
                std::printf("  peer   %s  = %.3f s (%.3f s with start-up), %d lots; ratio %.1f (PADLEV alone %.1f)\n",
                            peer.substr(peer.find("read"), peer.find(" cpu") - peer.find("read")).c_str(), work,
                            peerWall, peerLots, work / total, (phase[1] + phase[2] + phase[3]) / padlev);
                std::printf("  processor time: ours %.3f s, peer %.3f s; ratio %.1f\n", cpu, peerCpu, peerCpu / cpu);
                fast = {work, peerCpu};
            }
            std::filesystem::remove(output);
        }
        std::filesystem::remove(input);
        printSummary(("PADLEV " + std::to_string(lots) + " lots").c_str(), {total, cpu}, floor, fast, {});
    }
    for (std::size_t i = 1; i < measured.size(); ++i) {
        const Measured& a = measured[i - 1];
        const Measured& b = measured[i];
        const double n = static_cast<double>(b.lots) / a.lots;
        const double nLogN = n * std::log(static_cast<double>(b.lots)) / std::log(static_cast<double>(a.lots));
        std::printf("%d -> %d lots: PADLEV time x%.1f, whole run x%.1f (n log n would be x%.1f)\n", a.lots, b.lots,
                    b.padlev / a.padlev, b.total / a.total, nLogN);
    }
    return failures == 0 ? 0 : 1;
}
