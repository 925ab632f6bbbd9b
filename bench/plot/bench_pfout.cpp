// PFOUT of a drawing loaded from DXF (a million entities unless told),
// beside the floor of writing the same bytes and making them durable, and
// beside the peer, pfout_bench_ezdxf.py, which writes the same plot file
// from the same drawing with ezdxf's iterdxf.
// Usage: bench_pfout [entities] [directory] [runs] [no-ezdxf]
#include <sys/resource.h>

#include <platform/test_driver.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "best_of.h"
#include "durable_write.h"
#include "plot/pfout.h"
#include "plot_drawing_generator.h"
#include "settings/settings_record.h"
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

double processorSeconds(int who) {
    rusage usage{};
    ::getrusage(who, &usage);
    const auto toSeconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime);
}

struct PeerTimes {
    double wall = -1;  // as the peer measured its export
    double processor = 0;  // of the whole peer process
};

// The peer's times; wall is negative when it could not run. It says
// whether its file has the same bytes as PFOUT's.
PeerTimes runPeer(const std::string& dir) {
    const std::string command = "/usr/bin/python3 " ZCAD_SOURCE_DIR "/bench/plot/pfout_bench_ezdxf.py " + dir;
    const double before = processorSeconds(RUSAGE_CHILDREN);
    std::FILE* peer = ::popen(command.c_str(), "r");
    if (!peer) return {};
    char line[512] = {};
    const bool read = std::fgets(line, sizeof line, peer) != nullptr;
    const int status = ::pclose(peer);
    PeerTimes times;
    if (!read || status != 0 || std::sscanf(line, "ezdxf iterdxf %lf", &times.wall) != 1) return {};
    times.processor = processorSeconds(RUSAGE_CHILDREN) - before;
    std::printf("%s", line);
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
    const std::clock_t loadClock = std::clock();
    auto loaded = zcad::readDxf(drawing, error);
    if (!loaded) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    zcad::replaceCurrentDatabase(std::move(loaded));
    const double load = secondsSince(loadStart);
    const double loadCpu = static_cast<double>(std::clock() - loadClock) / CLOCKS_PER_SEC;

    zaSettings().xyzCreatePoint = true;
    zcad::setOutputSink([](std::string_view) {});
    zplat::TestDriver driver;
    const zplat::ScopedDialogDriver scoped(driver);
    const std::string plot = dir + "pfout.p01";
    // Its processor time too: on a busy machine the wall clock also counts
    // the waits for a core.
    double cpu = 1e300;
    const double export_ = bestOf(runs, [&] {
        const std::clock_t start = std::clock();
        const bool written = pfout(driver, plot);
        cpu = std::min(cpu, static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
        return written;
    });
    if (export_ < 0) {
        std::fprintf(stderr, "PFOUT wrote no file\n");
        return 1;
    }
    std::ifstream in(plot, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const std::string floorPath = dir + "floor.p01";
    const double floor = bestOf(runs, [&] { return writeDurably(floorPath, bytes); });
    std::filesystem::remove(floorPath);

    const double mb = static_cast<double>(bytes.size()) / 1e6;
    std::printf("entities %lld, drawing loaded in %.3f s (processor %.3f s), plot file %.1f MB, best of %d runs\n",
                count, load, loadCpu, mb, runs);
    std::printf("pfout %.3f s  %.0f MB/s  (processor %.3f s)\n", export_, mb / export_, cpu);
    std::printf("floor %.3f s  %.0f MB/s  (write and fsync)  pfout/floor %.2f\n", floor, mb / floor, export_ / floor);
    if (argc > 4 && std::string(argv[4]) == "no-ezdxf") return 0;
    const PeerTimes peer = runPeer(dir);
    if (peer.wall < 0) {
        std::fprintf(stderr, "the ezdxf peer failed (is python3-ezdxf installed?)\n");
        return 1;
    }
    std::printf("ezdxf/(load+pfout) %.1f  ezdxf/pfout %.1f\n", peer.wall / (load + export_), peer.wall / export_);
    std::printf("by processor time: ezdxf %.3f s, ezdxf/(load+pfout) %.1f\n", peer.processor,
                peer.processor / (loadCpu + cpu));
    return 0;
}
