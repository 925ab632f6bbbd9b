// PFIN of a plot file of a million lines (mostly runs of draws, with texts,
// circles and arcs) into a drawing saved as DXF, in a process of its own so
// that its peak memory is its own; beside the durable I/O floor (the plot
// file read, our DXF's bytes written and synced) and the ezdxf peers,
// pfin_bench_ezdxf.py, making the same entities: the fastest path (numpy
// and r12writer) and, when asked, the document API.
//   bench_plot [--lines N] [--dir DIR] [--runs 3] [--document-api] [--no-ezdxf]
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "import_job.h"
#include "io_floor.h"
#include "peer_flags.h"
#include "plot/plot_import.h"
#include "plot_file_generator.h"
#include "summary.h"

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

// The child: PFIN and its save, with the installation the parent wrote.
int runImport(const std::string& input, const std::string& output, const std::string& installation) {
    const ImportChild child(output, installation);
    return child.run([&] {
        ZaPlotImport import;
        import.readPlotFile(input);
        return true;
    });
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"PFIN of a million-line plot file against ezdxf and the I/O floor"};
    long long lines = 1000000;
    ImportOptions options;
    app.add_option("--lines", lines, "lines in the plot file")->check(CLI::Range(100LL, 1000000000LL));
    addImportOptions(app, options, "INPUT OUTPUT INSTALLATION");
    CLI11_PARSE(app, argc, argv);
    const auto& [dir, runs, peers, child] = options;
    if (!child.empty()) return runImport(child[0], child[1], child[2]);

    const fs::path work = fs::path(dir) / ("bench_plot_" + std::to_string(::getpid()));
    const std::string installation = (work / "zarvo/").string();
    writeTables(installation);
    const std::string plot = (work / "bench.p01").string();
    PlotFileShape shape;
    shape.lines = lines;
    std::string error;
    if (!generatePlotFile(plot, shape, error)) {
        std::fprintf(stderr, "bench_plot: %s\n", error.c_str());
        return 1;
    }
    const std::string output = (work / "bench.dxf").string();
    ImportJob ran;
    if (!runImportChild({selfPath(), "--child", plot, output, installation}, ran, runs)) {
        std::fprintf(stderr, "PFIN failed\n");
        fs::remove_all(work);
        return 1;
    }
    const Timing ours = ran.total();
    const std::string dxf = readWhole(output);
    fs::remove(output);
    const double floor = durableFloor({plot}, dxf, output + ".floor");
    std::printf("PFIN  %lld lines: import %.3f s + DXF save %.3f s = %.3f s (processor %.3f s), %llu entities, "
                "%.0f bytes/line, DXF %.1f MB\n",
                lines, ran.import, ran.save, ours.wall, ours.processor, ran.entities,
                static_cast<double>(ran.peakGrowth) / static_cast<double>(lines), static_cast<double>(dxf.size()) / 1e6);
    const std::string script = "plot/pfin_bench_ezdxf.py";
    const Timing fast = runPeerJob(peers.fastestPath(), true, script, {plot, output}, output);
    const Timing document = runPeerJob(peers.documentPeer(), false, script, {plot, output}, output);
    printSummary("PFIN", ours, floor, fast, document);
    fs::remove_all(work);
    return 0;
}
