// PFOUT of a drawing loaded from DXF (a million entities unless told),
// beside the floor of writing the same bytes and making them durable. The
// peer is pfout_bench_ezdxf.py, which writes the same plot file from the
// same drawing with ezdxf's iterdxf; the files this leaves in the work
// directory are its input and the file to compare with.
// Usage: bench_pfout [entities] [directory] [runs]
#include <fcntl.h>
#include <unistd.h>

#include <platform/test_driver.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "plot/pfout.h"
#include "plot_drawing_generator.h"
#include "settings/settings_record.h"
#include "zcad/console.h"
#include "zcad/dxf.h"

namespace {

double seconds(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// The best of a few runs: this machine is shared, and the least disturbed
// run is the one that measures our code.
template <typename Step>
double bestOf(int runs, Step step) {
    double best = 1e300;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (!step()) return -1;
        best = std::min(best, seconds(start));
    }
    return best;
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

// The whole command as a user runs it: the file named, everything selected.
bool pfout(zplat::TestDriver& driver, const std::string& path) {
    std::filesystem::remove(path);
    driver.answerNextFile(path);
    zcad::clearInput();
    zcad::addInput(zcad::queueSource({"ALL", ""}));
    zaPFOUT();
    return std::filesystem::exists(path);
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
    auto loaded = zcad::readDxf(drawing, error);
    if (!loaded) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    zcad::replaceCurrentDatabase(std::move(loaded));
    const double load = seconds(loadStart);

    zaSettings().xyzCreatePoint = true;
    zcad::setOutputSink([](std::string_view) {});
    zplat::TestDriver driver;
    const zplat::ScopedDialogDriver scoped(driver);
    const std::string plot = dir + "pfout.p01";
    const double export_ = bestOf(runs, [&] { return pfout(driver, plot); });
    if (export_ < 0) {
        std::fprintf(stderr, "PFOUT wrote no file\n");
        return 1;
    }
    std::ifstream in(plot, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const std::string floorPath = dir + "floor.p01";
    const double floor = bestOf(runs, [&] { return writeFloor(floorPath, bytes); });
    std::filesystem::remove(floorPath);

    const double mb = static_cast<double>(bytes.size()) / 1e6;
    std::printf("entities %lld, drawing loaded in %.3f s, plot file %.1f MB, best of %d runs\n", count, load, mb, runs);
    std::printf("pfout %.3f s  %.0f MB/s\n", export_, mb / export_);
    std::printf("floor %.3f s  %.0f MB/s  (write and fsync)  pfout/floor %.2f\n", floor, mb / floor, export_ / floor);
    std::printf("peer: /usr/bin/python3 bench/plot/pfout_bench_ezdxf.py %s\n", dir.c_str());
    return 0;
}
