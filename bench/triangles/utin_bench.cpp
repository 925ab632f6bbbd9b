// UTIN of a surface of a million triangles (about half a million points)
// as 3D faces, as polyface meshes and as catchment strings, each saved as
// DXF in a process of its own so that its peak memory is its own; beside
// the I/O floor (the UT and UP files read, the same number of DXF bytes
// written and synced) and the ezdxf peer, utin_ezdxf.py, making the same
// entities with numpy and r12writer.
//   bench_utin [--triangles N] [--dir DIR] [--no-ezdxf]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "settings/settings_record.h"
#include "triangle_model_generator.h"
#include "triangles/triangle_import.h"
#include "triangles/ut_name.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/dxf.h"

extern char** environ;

namespace {

using zatriangles::ImportMethod;

struct Method {
    const char* name;  // as utin_ezdxf.py takes it
    ImportMethod method;
};

constexpr Method kMethods[] = {{"faces", ImportMethod::Faces}, {"mesh", ImportMethod::Mesh},
                               {"catchment", ImportMethod::Catchment}};

double secondsSince(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

double cpuSeconds(const rusage& usage) {
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec); };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double cpuSecondsNow() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return cpuSeconds(usage);
}

long long statusBytes(const char* name) {
    std::ifstream status("/proc/self/status");
    std::string key;
    long long kilobytes = 0;
    while (status >> key) {
        if (key == std::string(name) + ":") {
            status >> kilobytes;
            return kilobytes * 1024;
        }
        status.ignore(1 << 20, '\n');
    }
    return 0;
}

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
    const double cpuBefore = cpuSecondsNow();
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
    const double cpu = cpuSecondsNow() - cpuBefore;
    const long long peak = statusBytes("VmHWM");
    std::filesystem::remove_all(scratch);
    std::printf("%.3f %.3f %.3f %.1f %zu\n", importSeconds, saveSeconds, cpu,
                static_cast<double>(peak - before) / static_cast<double>(triangles),
                zcad::currentDatabase().entityCount());
    return 0;
}

// Runs a program and takes its standard output, its wall seconds and the
// CPU seconds it used: on a shared machine the CPU seconds compare fairly.
std::string run(const std::vector<std::string>& argv, double& seconds, double& cpu) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    std::string out;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    if (spawned == 0) ::wait4(pid, &status, 0, &usage);
    seconds = secondsSince(start);
    cpu = cpuSeconds(usage);
    if (spawned != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    return out;
}

std::string self() { return std::filesystem::read_symlink("/proc/self/exe").string(); }

// The least any import can cost: its input read, and as many bytes as our
// drawing written and made durable.
double ioFloor(const std::vector<std::string>& inputs, std::uintmax_t outputBytes, const std::string& scratch) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<char> block(1 << 20);
    for (const std::string& input : inputs) {
        const int fd = ::open(input.c_str(), O_RDONLY);
        if (fd < 0) return -1;
        while (::read(fd, block.data(), block.size()) > 0) {
        }
        ::close(fd);
    }
    const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return -1;
    std::fill(block.begin(), block.end(), '7');
    for (std::uintmax_t left = outputBytes; left > 0;) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uintmax_t>(left, block.size()));
        const ssize_t wrote = ::write(fd, block.data(), n);
        if (wrote <= 0) return -1;
        left -= static_cast<std::uintmax_t>(wrote);
    }
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    std::filesystem::remove(scratch);
    return synced ? secondsSince(start) : -1;
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
        double wall = 0, childCpu = 0;
        const std::string ours =
            run({self(), "--triangles", std::to_string(triangles), "--child", m.name, ut, output}, wall, childCpu);
        double importSeconds = 0, saveSeconds = 0, cpu = 0, bytesPerTriangle = 0;
        unsigned long long entities = 0;
        if (std::sscanf(ours.c_str(), "%lf %lf %lf %lf %llu", &importSeconds, &saveSeconds, &cpu, &bytesPerTriangle,
                        &entities) != 5) {
            std::fprintf(stderr, "UTIN as %s failed\n", m.name);
            ++failures;
            continue;
        }
        const double total = importSeconds + saveSeconds;
        const auto dxfBytes = std::filesystem::file_size(output);
        std::filesystem::remove(output);
        const double floor = ioFloor(inputs, dxfBytes, output + ".floor");
        std::printf("%-9s import %.3f s + DXF save %.3f s = %.3f s (CPU %.3f s), %llu entities, %.0f bytes/triangle, "
                    "DXF %.1f MB\n",
                    m.name, importSeconds, saveSeconds, total, cpu, entities, bytesPerTriangle,
                    static_cast<double>(dxfBytes) / 1e6);
        std::printf("          I/O floor %.3f s: %.2f times the floor (CPU %.2f times)\n", floor, total / floor,
                    cpu / floor);
        if (noEzdxf) continue;
        double peer = 0, peerCpu = 0;
        const std::string peerOut = run(
            {"/usr/bin/python3", ZCAD_SOURCE_DIR "/bench/triangles/utin_ezdxf.py", m.name, ut, output}, peer, peerCpu);
        std::filesystem::remove(output);
        if (peerOut.empty()) {
            std::fprintf(stderr, "ezdxf peer failed (are python3-ezdxf and python3-numpy installed?)\n");
            continue;
        }
        std::printf("          ezdxf %.3f s (CPU %.3f s): %s  ezdxf/ours %.1f (CPU %.1f)\n", peer, peerCpu,
                    peerOut.substr(0, peerOut.find('\n')).c_str(), peer / total, peerCpu / cpu);
    }
    for (const std::string& input : inputs) std::filesystem::remove(input);
    return failures == 0 ? 0 : 1;
}
