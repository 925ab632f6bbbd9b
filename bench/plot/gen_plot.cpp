// Writes made-up plot files for benchmarks and examples:
//   gen_plot --out plan.p01 --lines 1000000
//   gen_plot --out hill.m01 --lines 200 --model
#include <cstdio>
#include <string>

#include <CLI/CLI.hpp>

#include "plot_file_generator.h"

int main(int argc, char** argv) {
    CLI::App app{"Writes made-up plot files in the suite's wide layout"};
    std::string path;
    PlotFileShape shape;
    app.add_option("--out", path, "plot file to write")->required();
    app.add_option("--lines", shape.lines, "lines, about")->check(CLI::Range(std::int64_t{2}, std::int64_t{2000000000}));
    app.add_flag("--model", shape.model, "3D: z on moves and draws (name the file with an extension .m01 or the like)");
    app.add_option("--run-length", shape.runLength, "draws after each move")->check(CLI::Range(1, 100000));
    app.add_option("--layer-codes", shape.layerCodes, "distinct layer codes")->check(CLI::Range(1, 999));
    app.add_option("--seed", shape.seed, "seed of the made-up data");
    CLI11_PARSE(app, argc, argv);

    std::string error;
    if (!generatePlotFile(path, shape, error)) {
        std::fprintf(stderr, "gen_plot: %s: %s\n", path.c_str(), error.c_str());
        return 1;
    }
    std::printf("%s written\n", path.c_str());
    return 0;
}
