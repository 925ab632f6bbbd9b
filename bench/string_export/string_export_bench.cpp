// UROUT and TROUT of a drawing of a million entities (lightweight polylines
// with bulges, lines, points, arcs, texts) loaded from DXF, arcs broken into
// quarterly divisions of 2; beside the durable I/O floor (the drawing read,
// the same string file bytes written and synced) and the ezdxf peer on its
// fastest path, which reads the drawing with its iterdxf add-on and writes
// the same points; there is no document API peer. Each time is given as wall and
// CPU seconds: on a shared machine the wall clock also counts other work,
// and the CPU seconds of both sides are the fairer ratio.
//   bench_string_export [--entities N] [--dir DIR] [--no-ezdxf] [--only ur|tr]
#include <unistd.h>

#include <platform/test_driver.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "arx/acedads.h"
#include "best_of.h"
#include "child_process.h"
#include "io_floor.h"
#include "settings/settings_record.h"
#include "string_export/string_export_commands.h"
#include "summary.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/dxf.h"

namespace {

namespace fs = std::filesystem;

struct Seconds {
    double wall = 0;
    double cpu = 0;
};

template <class Step>
Seconds timed(Step step) {
    const auto start = std::chrono::steady_clock::now();
    const double cpu = processorSeconds();
    step();
    return {secondsSince(start), processorSeconds() - cpu};
}

// The best of three runs: the machine is shared, and the least disturbed
// run is the one that measures our code.
template <class Step>
Seconds bestOf3(Step step) {
    Seconds best{1e300, 1e300};
    for (int run = 0; run < 3; ++run) {
        const Seconds s = step();
        best = {std::min(best.wall, s.wall), std::min(best.cpu, s.cpu)};
    }
    return best;
}

// Survey-like coordinates in metres with millimetres; the layers of a road
// design. Ten entities in turn: three polylines of five vertices with two
// bulges, two lines, two points, two arcs, a text.
std::unique_ptr<zcad::Database> drawing(long long entities) {
    constexpr const char* kLayers[] = {"ROAD", "KERB", "FP", "BLDG", "FENCE_NORTH_BOUNDARY", "TREE", "MH", "LEVELS"};
    auto db = std::make_unique<zcad::Database>();
    std::vector<std::uint8_t> list;
    for (long long i = 0; i < entities; ++i) {
        const double x = 300000.0 + static_cast<double>((i * 7919) % 100000) / 20.0;
        const double y = 6200000.0 + static_cast<double>((i * 104729) % 100000) / 20.0;
        const double z = 20.0 + static_cast<double>(i % 1000) / 10.0;
        const char* layer = kLayers[i % 8];
        list.clear();
        zcad::GroupWriter w(list);
        switch (i % 10) {
        case 0: case 1: case 2:
            w.string(0, "LWPOLYLINE");
            w.string(8, layer);
            w.integral(90, 5);
            w.integral(70, i % 3 == 0 ? 1 : 0);
            w.real(38, z);
            for (int k = 0; k < 5; ++k) {
                w.point(10, x + 10.0 * k, y + (k % 2 ? 4.0 : 0.0), 0, true);
                if (k == 1 || k == 3) w.real(42, k == 1 ? 0.4 : -0.25);
            }
            break;
        case 3: case 4:
            w.string(0, "LINE");
            w.string(8, layer);
            w.point(10, x, y, z);
            w.point(11, x + 12.5, y - 3.25, z + 0.5);
            break;
        case 5: case 6:
            w.string(0, "POINT");
            w.string(8, layer);
            w.point(10, x, y, z);
            break;
        case 7: case 8:
            w.string(0, "ARC");
            w.string(8, layer);
            w.point(10, x, y, z);
            w.real(40, 15.0);
            w.real(50, 0.25 * (i % 7));
            w.real(51, 0.25 * (i % 7) + 2.0);
            break;
        default:
            w.string(0, "TEXT");
            w.string(8, layer);
            w.point(10, x, y, z);
            w.real(40, 1.0);
            w.string(1, "12.345");
            break;
        }
        db->append(list);
    }
    return db;
}

// What the host API alone costs an export: each entity's list fetched and
// released, as the converters get it.
Seconds hostWalk() {
    return timed([] {
        for (ads_name name, next{}; acdbEntNext(next[0] ? next : nullptr, name) == RTNORM; ads_name_set(name, next)) {
            acutRelRb(acdbEntGet(name));
        }
    });
}

// One export as a user runs it: every entity, the file named.
Seconds exportAll(void (*command)(), const std::string& path, zplat::TestDriver& driver) {
    fs::remove(path);
    zcad::clearInput();
    zcad::addInput(zcad::queueSource({"ALL", ""}));
    driver.answerNextFile(path);
    return timed(command);
}

// Runs the peer; its report in `report`, a wall time below 0 when it failed.
Seconds peer(const std::string& kind, const std::string& drawing, const std::string& output, std::string& report) {
    const Ran ran = runPeer("string_export/string_export_ezdxf.py", {kind, drawing, output});
    report = ran.out;
    return ran.ok ? Seconds{ran.wall, ran.processor} : Seconds{-1, 0};
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"UROUT and TROUT of a million entities against ezdxf and the I/O floor"};
    long long entities = 1000000;
    std::string dir = fs::temp_directory_path().string();
    bool noEzdxf = false;
    std::string only;
    app.add_option("--entities", entities, "entities in the drawing")->check(CLI::Range(10LL, 100000000LL));
    app.add_option("--dir", dir, "where the files go (removed afterwards)");
    app.add_flag("--no-ezdxf", noEzdxf, "leave the peer out");
    app.add_option("--only", only, "ur or tr: one of the two exports")->check(CLI::IsMember({"ur", "tr"}));
    CLI11_PARSE(app, argc, argv);
    // Each result as soon as it is known: the peer takes minutes.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    const fs::path work = fs::path(dir) / ("bench_export_" + std::to_string(::getpid()));
    fs::create_directories(work);
    ::setenv("ZARVO_REGISTRY", (work / "registry.reg").c_str(), 1);
    ::setenv("ZARV$PROG", work.c_str(), 1);
    zcad::setOutputSink([](std::string_view) {});
    ZaSettings& s = zaSettings();
    s.useDialogs = false;
    s.xyzUseDefaults = true;
    s.xyzBreakup = 3;
    s.xyzValue = 2;
    s.xyzCreateNote = s.xyzLast8Layer = true;
    s.xyzLastNumberText = 8;
    s.coordinateUseDefaults = true;
    s.coordinatePreference = 0;
    s.restrictFileNameLength = true;
    s.saveJobUROUT = s.saveJobTROUT = false;

    const std::string dxf = (work / "drawing.dxf").string();
    {
        const zcad::DxfVersion version = zcad::DxfVersion::R2000;
        std::string error;
        if (!zcad::writeDxf(dxf, *drawing(entities), &version, error)) {
            std::fprintf(stderr, "bench_string_export: %s\n", error.c_str());
            return 1;
        }
    }
    const double dxfMB = static_cast<double>(fs::file_size(dxf)) / 1e6;
    const double dxfFloor = durableFloor({dxf}, {}, (work / "floor").string());
    std::string error;
    std::unique_ptr<zcad::Database> loaded;
    const Seconds load = timed([&] { loaded = zcad::readDxf(dxf, error); });
    if (!loaded) {
        std::fprintf(stderr, "bench_string_export: %s\n", error.c_str());
        return 1;
    }
    zcad::replaceCurrentDatabase(std::move(loaded));
    const Seconds walk = bestOf3(hostWalk);
    std::printf("%lld entities, DXF %.1f MB: load %.3f s (CPU %.3f), read floor %.3f s; the host's lists of every "
                "entity %.3f s (CPU %.3f)\n",
                entities, dxfMB, load.wall, load.cpu, dxfFloor, walk.wall, walk.cpu);

    zplat::TestDriver driver;
    zplat::ScopedDialogDriver scoped(driver);
    struct Run {
        const char* name;
        void (*command)();
        const char* file;
        const char* kind;
    };
    int failures = 0;
    for (const Run& run : {Run{"UROUT", zaUROUT, "survey01.ur1", "ur"}, Run{"TROUT", zaTROUT, "survey01.tr1", "tr"}}) {
        if (!only.empty() && only != run.kind) continue;
        const std::string path = (work / run.file).string();
        const Seconds ours = bestOf3([&] { return exportAll(run.command, path, driver); });
        if (!fs::exists(path)) {
            std::fprintf(stderr, "%s wrote nothing\n", run.name);
            ++failures;
            continue;
        }
        const std::string bytes = readWhole(path);
        const double floor = durableFloor({}, bytes, (work / "floor").string());
        const double jobFloor = durableFloor({dxf}, bytes, (work / "floor").string());
        // Writing itself: what the export adds to fetching the lists.
        const double writing = ours.cpu - walk.cpu;
        std::printf("%s  %.3f s (CPU %.3f) for %.1f MB, writing itself CPU %.3f s; write+fsync floor %.3f s: "
                    "writing/floor %.2f, export/floor %.2f\n",
                    run.name, ours.wall, ours.cpu, static_cast<double>(bytes.size()) / 1e6, writing, floor,
                    writing / floor, ours.cpu / floor);
        const Timing job{load.wall + ours.wall, load.cpu + ours.cpu};
        const std::string summary = std::string(run.name) + " (load and export)";
        if (noEzdxf) {
            printSummary(summary.c_str(), job, jobFloor, {}, {});
            continue;
        }
        std::string report;
        const Seconds theirs = peer(run.kind, dxf, (work / "peer").string(), report);
        if (theirs.wall < 0) {
            printSummary(summary.c_str(), job, jobFloor, {}, {});
            continue;
        }
        const bool same = readWhole((work / "peer").string()) == bytes;
        std::printf("  ezdxf %.3f s (CPU %.3f): %s  CPU ratio %.1f (load+export), %.1f (export alone); wall ratio "
                    "%.1f; same bytes: %s\n",
                    theirs.wall, theirs.cpu, report.substr(0, report.find('\n')).c_str(), theirs.cpu / (load.cpu + ours.cpu),
                    theirs.cpu / ours.cpu, theirs.wall / (load.wall + ours.wall), same ? "yes" : "no");
        fs::remove(work / "peer");
        printSummary(summary.c_str(), job, jobFloor, {theirs.wall, theirs.cpu}, {});
    }
    fs::remove_all(work);
    return failures == 0 ? 0 : 1;
}
