// Writes a made-up triangle model, a UT file and its UP file:
//   gen_triangles --ut terrain.utA --triangles 1000000 [--spacing 5] [--east E --north N] [--inactive-every 0]
#include <cstdio>
#include <string>

#include <CLI/CLI.hpp>

#include "triangle_model_generator.h"
#include "triangles/ut_name.h"

int main(int argc, char** argv) {
    CLI::App app{"Writes a made-up triangle model: a UT file and the UP file beside it"};
    std::string utPath;
    zatriangles::TerrainShape shape;
    app.add_option("--ut", utPath, "UT file to write (ending in .ut and a run letter)")->required();
    app.add_option("--triangles", shape.triangles, "triangles at least")->check(CLI::Range(std::int64_t{8}, std::int64_t{200000000}));
    app.add_option("--spacing", shape.spacing, "metres between grid points")->check(CLI::PositiveNumber);
    app.add_option("--east", shape.east, "easting of the south-west corner");
    app.add_option("--north", shape.north, "northing of the south-west corner");
    app.add_option("--inactive-every", shape.inactiveEvery, "an inactive record after every N triangles (0: none)")
        ->check(CLI::NonNegativeNumber);
    CLI11_PARSE(app, argc, argv);

    std::string error;
    const zatriangles::TriangleModelData model = zatriangles::generateTerrain(shape);
    if (!zatriangles::writeTriangleModel(utPath, model, error)) {
        std::fprintf(stderr, "gen_triangles: %s", error.c_str());
        return 1;
    }
    std::printf("%s: %zu triangle records, %s: %zu points\n", utPath.c_str(), model.records.size(),
                zatriangles::upPathOf(utPath).c_str(), model.points.size());
    return 0;
}
