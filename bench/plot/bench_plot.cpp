// PFIN of a plot file of a million lines, mostly runs of draws with texts,
// circles and arcs, beside the floor of reading its lines and nothing else.
// The peer is pfin_bench_ezdxf.py, which makes the same entities with ezdxf.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "files/line_reader.h"
#include "plot/plot_import.h"
#include "plot_file_generator.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/host_test.h"

namespace {

constexpr std::int64_t kLines = 1000000;

struct Sample {
    std::filesystem::path dir;
    std::string plot;
};

// An installation with plot.lay and plot.pen, and the plot file.
const Sample& sample() {
    static const Sample made = [] {
        Sample s;
        s.dir = std::filesystem::temp_directory_path() / ("bench_plot_" + std::to_string(::getpid()));
        std::filesystem::create_directories(s.dir / "zarvo");
        std::string lay = "LAYER   12 Aug-2014\r\n";
        for (int code = 1; code <= 12; ++code) {
            char row[64];
            std::snprintf(row, sizeof row, "%4d%4d%4d 2%-12s;%-12s;%-12s\r\n", code, 0, 0,
                          ("LAYER" + std::to_string(code)).c_str(), ("TEXT" + std::to_string(code)).c_str(), "standard");
            lay += row;
        }
        std::ofstream(s.dir / "zarvo" / "plot.lay", std::ios::binary) << lay << "/////\r\n";
        std::ofstream(s.dir / "zarvo" / "plot.pen", std::ios::binary) << "PLOT.PEN     1 APR-1997\r\n/////\r\n";
        ::setenv("ZARV$PROG", (s.dir / "zarvo/").c_str(), 1);
        ::setenv("ZARVO_REGISTRY", (s.dir / "registry.reg").c_str(), 1);
        s.plot = (s.dir / "bench.p01").string();
        PlotFileShape shape;
        shape.lines = kLines;
        std::string error;
        if (!generatePlotFile(s.plot, shape, error)) std::fprintf(stderr, "%s\n", error.c_str());
        return s;
    }();
    return made;
}

std::int64_t countLines(const std::string& path) {
    zafiles::LineReader lines(zafiles::openFileSource(path));
    std::int64_t n = 0;
    while (lines.next()) ++n;
    return n;
}

void BM_ReadLinesFloor(benchmark::State& state) {
    const std::string& path = sample().plot;
    std::int64_t n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(n = countLines(path));
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_ReadLinesFloor)->Unit(benchmark::kMillisecond);

void BM_Pfin(benchmark::State& state) {
    const std::string& path = sample().plot;
    const std::int64_t n = countLines(path);
    double entities = 0;
    for (auto _ : state) {
        state.PauseTiming();
        zcad::test::resetHost();
        zcad::setOutputSink([](std::string_view) {});
        state.ResumeTiming();
        ZaPlotImport import;
        import.readPlotFile(path);
        entities = static_cast<double>(zcad::currentDatabase().entityCount());
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["entities"] = entities;
    state.counters["bytes_per_line"] =
        static_cast<double>(zcad::currentDatabase().bytesHeld()) / static_cast<double>(n);
}
BENCHMARK(BM_Pfin)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    sample();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(sample().dir);
    return 0;
}
