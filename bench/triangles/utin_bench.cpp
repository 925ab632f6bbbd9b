// UTIN of a surface of a million triangles (about half a million points)
// as 3D faces, as polyface meshes and as catchment strings, each saved as
// DXF in a process of its own so that its peak memory is its own; beside
// the durable I/O floor (the UT and UP files read, our DXF's bytes written
// and synced) and the ezdxf peer on its fastest path, utin_ezdxf.py, making
// the same entities with numpy and r12writer. There is no document API
// peer: the fastest path is the one to beat.
//   bench_utin [--triangles N] [--dir DIR] [--no-ezdxf]
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "best_of.h"
#include "child_process.h"
#include "io_floor.h"
#include "settings/settings_record.h"
#include "summary.h"
#include "triangle_model_generator.h"
#include "triangles/triangle_import.h"
#include "triangles/ut_name.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/dxf.h"

namespace {

using zatriangles::ImportMethod;

struct Method {
    const char* name;  // as utin_ezdxf.py takes it
    ImportMethod method;
};

constexpr Method kMethods[] = {{"faces", ImportMethod::Faces}, {"mesh", ImportMethod::Mesh},
                               {"catchment", ImportMethod::Catchment}};

// The child: one import and one save, printing their wall seconds, the CPU
// seconds of both, the peak memory per triangle and the entities made.
int runImport(const std::string& methodName, const std::string& input, const std::string& output,
              long long triangles) {
    const std::string scratch = std::filesystem::path(output).parent_path() / ("zarvo-" + std::to_string(::getpid()));
    std::filesystem::create_directories(scratch);
    ::setenv("ZARVO_REGISTRY", (scratch + "/registry.reg").c_str(), 1);
    ::setenv("ZARV$PROG", scratch.c_str(), 1);
    zcad::setOutputSink([](std::string_view) {});
    zatriangles::TriangleOptions options;
    for (const Method& m : kMethods) {
        if (methodName == m.name) options.method = m.method;
    }
    options.edges = zatriangles::EdgeDisplay::Breaklines;
    options.ctlPreference = 0;  // layers by paint number
    options.useTriangleLayerFile = false;
    options.colourLayers = true;

    const long long before = statusBytes("VmRSS");
    const double cpuBefore = processorSeconds();
    const auto start = std::chrono::steady_clock::now();
    zatriangles::importTriangles(options, input);
    const double importSeconds = secondsSince(start);
    const auto saveStart = std::chrono::steady_clock::now();
    std::string error;
    if (!zcad::writeDxf(output, zcad::currentDatabase(), nullptr, error)) {
        std::fprintf(stderr, "save failed: %s\n", error.c_str());
        return 1;
    }
    const double saveSeconds = secondsSince(saveStart);
    const double cpu = processorSeconds() - cpuBefore;
    const long long peak = statusBytes("VmHWM");
    std::filesystem::remove_all(scratch);
    std::printf("%.3f %.3f %.3f %.1f %zu\n", importSeconds, saveSeconds, cpu,
                static_cast<double>(peak - before) / static_cast<double>(triangles),
                zcad::currentDatabase().entityCount());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"UTIN of a million triangles against ezdxf and the I/O floor"};
    long long triangles = 1000000;
    std::string dir = std::filesystem::temp_directory_path().string();
    bool noEzdxf = false;
    std::vector<std::string> child;
    app.add_option("--triangles", triangles, "triangles in the model")->check(CLI::Range(8LL, 100000000LL));
    app.add_option("--dir", dir, "where the files go (removed afterwards)");
    app.add_flag("--no-ezdxf", noEzdxf, "leave the peer out");
    app.add_option("--child", child, "METHOD INPUT OUTPUT: one import in this process")->expected(3);
    CLI11_PARSE(app, argc, argv);
    if (!child.empty()) return runImport(child[0], child[1], child[2], triangles);

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
        const Ran ran = runProgram({selfPath(), "--triangles", std::to_string(triangles), "--child", m.name, ut, output});
        double importSeconds = 0, saveSeconds = 0, cpu = 0, bytesPerTriangle = 0;
        unsigned long long entities = 0;
        if (!ran.ok || std::sscanf(ran.out.c_str(), "%lf %lf %lf %lf %llu", &importSeconds, &saveSeconds, &cpu,
                                   &bytesPerTriangle, &entities) != 5) {
            std::fprintf(stderr, "UTIN as %s failed\n", m.name);
            ++failures;
            continue;
        }
        const Timing ours{importSeconds + saveSeconds, cpu};
        const std::string dxf = readWhole(output);
        std::filesystem::remove(output);
        const double floor = durableFloor(inputs, dxf, output + ".floor");
        std::printf("%-9s import %.3f s + DXF save %.3f s = %.3f s (processor %.3f s), %llu entities, "
                    "%.0f bytes/triangle, DXF %.1f MB\n",
                    m.name, importSeconds, saveSeconds, ours.wall, cpu, entities, bytesPerTriangle,
                    static_cast<double>(dxf.size()) / 1e6);
        Timing fast;
        if (!noEzdxf) {
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
