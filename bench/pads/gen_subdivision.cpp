// Writes a made-up subdivision as a DXF drawing for PADLEV:
//   gen_subdivision --lots 26 --out examples/subdivision.dxf
#include <cstdio>
#include <string>

#include <CLI/CLI.hpp>

#include "subdivision_generator.h"
#include "zcad/database.h"
#include "zcad/dxf.h"

int main(int argc, char** argv) {
    CLI::App app{"Writes a made-up subdivision: lots along curved roads, a level text in each"};
    zapads::SubdivisionShape shape;
    std::string out;
    app.add_option("--lots", shape.lots, "lots in all")->check(CLI::Range(1, 10000000));
    app.add_option("--per-side", shape.lotsPerSide, "lots on each side of a road")->check(CLI::Range(1, 60));
    app.add_option("--seed", shape.seed, "seed of the made-up data");
    app.add_option("--out", out, "DXF file to write (R2000)")->required();
    CLI11_PARSE(app, argc, argv);

    if (!zapads::drawSubdivision(zapads::makeSubdivision(shape))) {
        std::fprintf(stderr, "gen_subdivision: the host refused an entity\n");
        return 1;
    }
    const zcad::DxfVersion version = zcad::DxfVersion::R2000;
    std::string error;
    if (!zcad::writeDxf(out, zcad::currentDatabase(), &version, error)) {
        std::fprintf(stderr, "gen_subdivision: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s: %d lots\n", out.c_str(), shape.lots);
    return 0;
}
