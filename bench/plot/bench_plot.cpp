// PFIN of a plot file of a million lines (mostly runs of draws, with texts,
// circles and arcs) into a drawing saved as DXF, in a process of its own so
// that its peak memory is its own; beside the durable I/O floor (the plot
// file read, our DXF's bytes written and synced) and the ezdxf peers,
// pfin_bench_ezdxf.py, making the same entities: the fastest path (numpy
// and r12writer) and, when asked, the document API.
//   bench_plot [--lines N] [--dir DIR] [--document-api] [--no-ezdxf]
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "best_of.h"
#include "child_process.h"
#include "io_floor.h"
#include "plot/plot_import.h"
#include "plot_file_generator.h"
#include "summary.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/dxf.h"

namespace {

namespace fs = std::filesystem;

// An installation with plot.lay and plot.pen naming twelve layer codes.
void writeTables(const fs::path& zarvo) {
    fs::create_directories(zarvo);
    std::string lay = "LAYER   12 Aug-2014\r\n";
    for (int code = 1; code <= 12; ++code) {
        char row[64];
        std::snprintf(row, sizeof row, "%4d%4d%4d 2%-12s;%-12s;%-12s\r\n", code, 0, 0,
                      ("LAYER" + std::to_string(code)).c_str(), ("TEXT" + std::to_string(code)).c_str(), "standard");
        lay += row;
    }
    std::ofstream(zarvo / "plot.lay", std::ios::binary) << lay << "/////\r\n";
    std::ofstream(zarvo / "plot.pen", std::ios::binary) << "PLOT.PEN     1 APR-1997\r\n/////\r\n";
}

// The child: PFIN and the save, printing "import save bytes-per-line
// processor entities".
int runImport(const std::string& input, const std::string& output, long long lines) {
    zcad::setOutputSink([](std::string_view) {});
    const long long before = statusBytes("VmRSS");
    const double processorStart = processorSeconds();
    const auto start = std::chrono::steady_clock::now();
    {
        ZaPlotImport import;
        import.readPlotFile(input);
    }
    const double importSeconds = secondsSince(start);
    const auto saveStart = std::chrono::steady_clock::now();
    std::string error;
    if (!zcad::writeDxf(output, zcad::currentDatabase(), nullptr, error)) {
        std::fprintf(stderr, "save failed: %s\n", error.c_str());
        return 1;
    }
    const double saveSeconds = secondsSince(saveStart);
    const double processor = processorSeconds() - processorStart;
    const long long peak = statusBytes("VmHWM");
    std::printf("%.3f %.3f %.1f %.3f %zu\n", importSeconds, saveSeconds,
                static_cast<double>(peak - before) / static_cast<double>(lines), processor,
                zcad::currentDatabase().entityCount());
    return 0;
}

Timing peer(bool wanted, bool fast, const std::string& input, const std::string& output) {
    if (!wanted) return {};
    std::vector<std::string> args{input, output};
    if (fast) args.insert(args.begin(), "--fast");
    const Ran ran = runPeer("plot/pfin_bench_ezdxf.py", args);
    fs::remove(output);
    if (!ran.ok) return {};
    std::printf("  ezdxf %s %.3f s (processor %.3f s): %s", fast ? "fastest path" : "document API", ran.wall,
                ran.processor, ran.out.c_str());
    return {ran.wall, ran.processor};
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"PFIN of a million-line plot file against ezdxf and the I/O floor"};
    long long lines = 1000000;
    std::string dir = fs::temp_directory_path().string();
    bool noEzdxf = false;
    bool documentApi = false;
    std::vector<std::string> child;
    app.add_option("--lines", lines, "lines in the plot file")->check(CLI::Range(100LL, 1000000000LL));
    app.add_option("--dir", dir, "where the files go (removed afterwards)");
    app.add_flag("--document-api", documentApi, "run the ezdxf document API peer too (minutes at a million)");
    app.add_flag("--no-ezdxf", noEzdxf, "leave the ezdxf peers out");
    app.add_option("--child", child, "INPUT OUTPUT: one import in this process")->expected(2);
    CLI11_PARSE(app, argc, argv);
    if (!child.empty()) return runImport(child[0], child[1], lines);

    const fs::path work = fs::path(dir) / ("bench_plot_" + std::to_string(::getpid()));
    writeTables(work / "zarvo");
    ::setenv("ZARV$PROG", (work / "zarvo/").c_str(), 1);
    ::setenv("ZARVO_REGISTRY", (work / "registry.reg").c_str(), 1);
    const std::string plot = (work / "bench.p01").string();
    PlotFileShape shape;
    shape.lines = lines;
    std::string error;
    if (!generatePlotFile(plot, shape, error)) {
        std::fprintf(stderr, "bench_plot: %s\n", error.c_str());
        return 1;
    }
    const std::string output = (work / "bench.dxf").string();
    const Ran ran = runProgram({selfPath(), "--lines", std::to_string(lines), "--child", plot, output});
    double importSeconds = 0, saveSeconds = 0, bytesPerLine = 0, processor = 0;
    unsigned long long entities = 0;
    if (!ran.ok || std::sscanf(ran.out.c_str(), "%lf %lf %lf %lf %llu", &importSeconds, &saveSeconds, &bytesPerLine,
                               &processor, &entities) != 5) {
        std::fprintf(stderr, "PFIN failed\n");
        fs::remove_all(work);
        return 1;
    }
    const Timing ours{importSeconds + saveSeconds, processor};
    const std::string dxf = readWhole(output);
    fs::remove(output);
    const double floor = durableFloor({plot}, dxf, output + ".floor");
    std::printf("PFIN  %lld lines: import %.3f s + DXF save %.3f s = %.3f s (processor %.3f s), %llu entities, "
                "%.0f bytes/line, DXF %.1f MB\n",
                lines, importSeconds, saveSeconds, ours.wall, processor, entities, bytesPerLine,
                static_cast<double>(dxf.size()) / 1e6);
    const Timing fast = peer(!noEzdxf, true, plot, output);
    const Timing document = peer(!noEzdxf && documentApi, false, plot, output);
    printSummary("PFIN", ours, floor, fast, document);
    fs::remove_all(work);
    return 0;
}
