// UTIN of a surface of a million triangles (about half a million points)
// as 3D faces, as polyface meshes and as catchment strings, each saved as
// DXF in a process of its own so that its peak memory is its own; beside
// the durable I/O floor (the UT and UP files read, our DXF's bytes written
// and synced) and the ezdxf peer on its fastest path, utin_ezdxf.py, making
// the same entities with numpy and r12writer. There is no document API
// peer: the fastest path is the one to beat.
//   bench_utin [--triangles N] [--dir DIR] [--runs 3] [--no-ezdxf]
//   (--document-api is taken but UTIN has no document-API peer)
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
#include "import_job.h"
#include "io_floor.h"
#include "summary.h"
#include "triangle_model_generator.h"
#include "triangles/triangle_import.h"
#include "triangles/ut_name.h"

namespace {

using zatriangles::ImportMethod;

struct Method {
    const char* name;  // as utin_ezdxf.py takes it
    ImportMethod method;
};

constexpr Method kMethods[] = {{"faces", ImportMethod::Faces}, {"mesh", ImportMethod::Mesh},
                               {"catchment", ImportMethod::Catchment}};

// The child: one import and its save.
int runImport(const std::string& methodName, const std::string& input, const std::string& output) {
    const ImportChild child(output);
    zatriangles::TriangleOptions options;
    for (const Method& m : kMethods) {
        if (methodName == m.name) options.method = m.method;
    }
    options.edges = zatriangles::EdgeDisplay::Breaklines;
    options.ctlPreference = 0;  // layers by paint number
    options.useTriangleLayerFile = false;
    options.colourLayers = true;
    return child.run([&] {
        zatriangles::importTriangles(options, input);
        return true;
    });
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"UTIN of a million triangles against ezdxf and the I/O floor"};
    long long triangles = 1000000;
    ImportOptions options;
    app.add_option("--triangles", triangles, "triangles in the model")->check(CLI::Range(8LL, 100000000LL));
    addImportOptions(app, options, "METHOD INPUT OUTPUT");
    CLI11_PARSE(app, argc, argv);
    const auto& [dir, runs, peers, child] = options;
    if (!child.empty()) return runImport(child[0], child[1], child[2]);

    const std::string ut = (std::filesystem::path(dir) / ("bench" + std::to_string(::getpid() % 1000) + ".utA")).string();
    zatriangles::TerrainShape shape;
    shape.triangles = triangles;
    const zatriangles::TriangleModelData model = zatriangles::generateTerrain(shape);
    std::string error;
    if (!zatriangles::writeTriangleModel(ut, model, error)) {
        std::fprintf(stderr, "bench_utin: %s", error.c_str());
        return 1;
    }
    triangles = static_cast<long long>(model.records.size());
    std::printf("%lld triangles, %zu points\n", triangles, model.points.size());
    const std::vector<std::string> inputs = {ut, zatriangles::upPathOf(ut)};
    int failures = 0;
    for (const Method& m : kMethods) {
        const std::string output = ut + "." + m.name + ".dxf";
        ImportJob ran;
        if (!runImportChild({selfPath(), "--child", m.name, ut, output}, ran, runs)) {
            std::fprintf(stderr, "UTIN as %s failed\n", m.name);
            ++failures;
            continue;
        }
        const Timing ours = ran.total();
        const std::string dxf = readWhole(output);
        std::filesystem::remove(output);
        const double floor = durableFloor(inputs, dxf, output + ".floor");
        std::printf("%-9s import %.3f s + DXF save %.3f s = %.3f s (processor %.3f s), %llu entities, "
                    "%.0f bytes/triangle, DXF %.1f MB\n",
                    m.name, ran.import, ran.save, ours.wall, ours.processor, ran.entities,
                    static_cast<double>(ran.peakGrowth) / static_cast<double>(triangles),
                    static_cast<double>(dxf.size()) / 1e6);
        Timing fast;
        if (peers.fastestPath()) {
            const Ran peer = runPeer("triangles/utin_ezdxf.py", {m.name, ut, output});
            std::filesystem::remove(output);
            if (peer.ok) {
                fast = {peer.wall, peer.processor};
                std::printf("  ezdxf fastest path %.3f s (processor %.3f s): %s", peer.wall, peer.processor,
                            peer.out.c_str());
            }
        }
        printSummary(("UTIN " + std::string(m.name)).c_str(), ours, floor, fast, {});
    }
    for (const std::string& input : inputs) std::filesystem::remove(input);
    return failures == 0 ? 0 : 1;
}
