// PFOUT of a drawing loaded from DXF (a million entities unless told),
// beside the durable I/O floor (the drawing read, the same plot file bytes
// written and synced), and beside the peer on ezdxf's fastest path,
// pfout_bench_ezdxf.py, which writes the same plot file from the same
// drawing with the iterdxf add-on. The job is the load and the export, as
// the peer's is; there is no document API peer.
// Usage: bench_pfout [entities] [directory] [runs] [no-ezdxf]
#include <platform/test_driver.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "best_of.h"
#include "child_process.h"
#include "io_floor.h"
#include "plot/pfout.h"
#include "plot_drawing_generator.h"
#include "settings/settings_record.h"
#include "summary.h"
#include "zcad/console.h"
#include "zcad/dxf.h"

namespace {

// The whole command as a user runs it: the file named, everything selected.
bool pfout(zplat::TestDriver& driver, const std::string& path) {
    std::filesystem::remove(path);
    driver.answerNextFile(path);
    zcad::clearInput();
    zcad::addInput(zcad::queueSource({"ALL", ""}));
    zaPFOUT();
    return std::filesystem::exists(path);
}

// The peer's own seconds for its export (it says whether its file has the
// same bytes as PFOUT's) and the processor seconds of its process.
Timing runFastPeer(const std::string& dir) {
    const Ran ran = runPeer("plot/pfout_bench_ezdxf.py", {dir});
    Timing times;
    if (!ran.ok || std::sscanf(ran.out.c_str(), "ezdxf iterdxf %lf", &times.wall) != 1) return {};
    times.processor = ran.processor;
    std::printf("%s", ran.out.c_str());
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    const long long count = argc > 1 ? std::atoll(argv[1]) : 1000000;
    const std::string dir = std::string(argc > 2 ? argv[2] : "/tmp") + "/zcad_bench_pfout/";
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    std::filesystem::create_directories(dir + "zarvo");
    std::string error;
    if (!writePlotTablesFor(dir + "zarvo/", error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    ::setenv("ZARV$PROG", (dir + "zarvo/").c_str(), 1);
    ::setenv("ZARVO_REGISTRY", (dir + "registry.reg").c_str(), 1);

    const std::string drawing = dir + "drawing.dxf";
    const zcad::DxfVersion version = zcad::DxfVersion::R2000;
    if (!zcad::writeDxf(drawing, *makePlotDrawing(count), &version, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const auto loadStart = std::chrono::steady_clock::now();
    const double loadClock = processorSeconds();
    auto loaded = zcad::readDxf(drawing, error);
    if (!loaded) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    zcad::replaceCurrentDatabase(std::move(loaded));
    const double load = secondsSince(loadStart);
    const double loadCpu = processorSeconds() - loadClock;

    zaSettings().xyzCreatePoint = true;
    zcad::setOutputSink([](std::string_view) {});
    zplat::TestDriver driver;
    const zplat::ScopedDialogDriver scoped(driver);
    const std::string plot = dir + "pfout.p01";
    // Its processor time too: on a busy machine the wall clock also counts
    // the waits for a core.
    double cpu = 1e300;
    const double export_ = bestOf(runs, [&] {
        const double start = processorSeconds();
        const bool written = pfout(driver, plot);
        cpu = std::min(cpu, processorSeconds() - start);
        return written;
    });
    if (export_ < 0) {
        std::fprintf(stderr, "PFOUT wrote no file\n");
        return 1;
    }
    const std::string bytes = readWhole(plot);
    const double floor = durableFloor({drawing}, bytes, dir + "floor.p01", runs);

    const double mb = static_cast<double>(bytes.size()) / 1e6;
    std::printf("entities %lld, drawing loaded in %.3f s (processor %.3f s), plot file %.1f MB, best of %d runs\n",
                count, load, loadCpu, mb, runs);
    std::printf("pfout %.3f s  %.0f MB/s  (processor %.3f s)\n", export_, mb / export_, cpu);
    const bool peerWanted = !(argc > 4 && std::string(argv[4]) == "no-ezdxf");
    const Timing fast = peerWanted ? runFastPeer(dir) : Timing{};
    printSummary("PFOUT (load and export)", {load + export_, loadCpu + cpu}, floor, fast, {});
    return peerWanted && fast.wall < 0 ? 1 : 0;
}
