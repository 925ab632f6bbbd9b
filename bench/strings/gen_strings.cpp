// Writes made-up UR and TR string files for tests and benchmarks:
//   gen_strings --ur out.ur --records 1000000 --codes 40 --string-length 50
#include <cstdio>
#include <string>

#include <CLI/CLI.hpp>

#include "string_file_generator.h"

int main(int argc, char** argv) {
    CLI::App app{"Writes made-up UR and TR string-and-point files"};
    std::string urPath, trPath;
    zastrings::StringFileShape shape;
    app.add_option("--ur", urPath, "UR file to write");
    app.add_option("--tr", trPath, "TR file to write");
    app.add_option("--records", shape.records, "point records in all")->check(CLI::Range(std::int64_t{0}, std::int64_t{2147483647}));
    app.add_option("--codes", shape.codes, "distinct plot codes")->check(CLI::Range(1, 46668));
    app.add_option("--string-length", shape.stringLength, "points in each string (0: lone points only)")->check(CLI::NonNegativeNumber);
    app.add_option("--lone-points", shape.lonePoints, "lone points after each string")->check(CLI::NonNegativeNumber);
    app.add_option("--seed", shape.seed, "seed of the made-up data");
    CLI11_PARSE(app, argc, argv);
    if (urPath.empty() && trPath.empty()) {
        std::fprintf(stderr, "gen_strings: give --ur FILE, --tr FILE or both\n");
        return 2;
    }

    std::string error;
    if (!urPath.empty() && !zastrings::generateURFile(urPath, shape, error)) {
        std::fprintf(stderr, "gen_strings: %s: %s", urPath.c_str(), error.c_str());
        return 1;
    }
    if (!trPath.empty() && !zastrings::generateTRFile(trPath, shape, error)) {
        std::fprintf(stderr, "gen_strings: %s: %s", trPath.c_str(), error.c_str());
        return 1;
    }
    for (const auto* path : {&urPath, &trPath})
        if (!path->empty()) std::printf("%s: %lld records\n", path->c_str(), static_cast<long long>(shape.records));
    return 0;
}
