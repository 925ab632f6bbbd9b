// URIN and TRIN of a million records (strings of 50 points, two lone points
// after each, 40 plot codes) into a drawing saved as DXF, each in a process
// of its own so that its peak memory is its own; then the ezdxf peer doing
// the same job on the same files.
//   bench_string_import [--records N] [--dir DIR] [--no-ezdxf]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "settings/settings_record.h"
#include "string_file_generator.h"
#include "strings/string_import.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/dxf.h"

extern char** environ;

namespace {

// Processor seconds of this process, all its threads: on a loaded machine
// the wall clock alone says little.
double processorSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double secondsSince(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// A /proc/self/status value in bytes ("VmRSS", "VmHWM").
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

// The child: one import and one save, printing "import save bytes-per-record".
int runImport(const std::string& format, const std::string& input, const std::string& output, long long records) {
    const std::string scratch = std::filesystem::path(output).parent_path() / ("zarvo-" + std::to_string(::getpid()));
    std::filesystem::create_directories(scratch);
    ::setenv("ZARVO_REGISTRY", (scratch + "/registry.reg").c_str(), 1);
    ::setenv("ZARV$PROG", scratch.c_str(), 1);
    zcad::setOutputSink([](std::string_view) {});
    ZaSettings& settings = zaSettings();
    settings.addLayers = true;
    settings.colourLayers = true;
    settings.endNameAtSpace = true;  // the code, not its notes, names the layer
    settings.includeNumerics = true;
    settings.maximumSize = "14";
    settings.polyline3D = true;

    const long long before = statusBytes("VmRSS");
    const double processorStart = processorSeconds();
    const auto start = std::chrono::steady_clock::now();
    {
        zastrings::StringImport import;
        const bool read = format == "ur" ? import.importUR(input) : import.importTR(input);
        if (!read && format == "ur") {
            std::fprintf(stderr, "import failed: %s\n", import.lastError().c_str());
            return 1;
        }
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
    std::filesystem::remove_all(scratch);
    std::printf("%.3f %.3f %.1f %.3f\n", importSeconds, saveSeconds,
                static_cast<double>(peak - before) / static_cast<double>(records), processor);
    return 0;
}

// Runs a program and returns its standard output; wall seconds in `seconds`.
std::string run(const std::vector<std::string>& argv, double& seconds) {
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
    if (spawned == 0) ::waitpid(pid, &status, 0);
    seconds = secondsSince(start);
    if (spawned != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    return out;
}

std::string self() { return std::filesystem::read_symlink("/proc/self/exe").string(); }

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"URIN and TRIN of a million records against ezdxf"};
    long long records = 1000000;
    std::string dir = std::filesystem::temp_directory_path().string();
    bool noEzdxf = false;
    std::vector<std::string> child;
    app.add_option("--records", records, "point records in each file")->check(CLI::Range(11LL, 2000000000LL));
    app.add_option("--dir", dir, "where the files go (removed afterwards)");
    app.add_flag("--no-ezdxf", noEzdxf, "leave the peer out");
    app.add_option("--child", child, "FORMAT INPUT OUTPUT: one import in this process")->expected(3);
    CLI11_PARSE(app, argc, argv);
    if (!child.empty()) return runImport(child[0], child[1], child[2], records);

    const std::string stem = (std::filesystem::path(dir) / ("bench" + std::to_string(::getpid() % 1000))).string();
    zastrings::StringFileShape shape;
    shape.records = records;
    shape.codes = 40;
    shape.stringLength = 50;
    shape.lonePoints = 2;
    std::string error;
    const std::string files[] = {stem + ".ur1", stem + ".tr1"};
    if (!zastrings::generateURFile(files[0], shape, error) || !zastrings::generateTRFile(files[1], shape, error)) {
        std::fprintf(stderr, "bench_string_import: %s", error.c_str());
        return 1;
    }
    std::printf("%lld records: strings of %d points, %d lone points after each, %d plot codes\n", records,
                shape.stringLength, shape.lonePoints, shape.codes);
    int failures = 0;
    for (const std::string& input : files) {
        const std::string format = input.substr(input.size() - 3, 2);
        const std::string output = input + ".dxf";
        double wall = 0;
        const std::string ours =
            run({self(), "--records", std::to_string(records), "--child", format, input, output}, wall);
        double importSeconds = 0, saveSeconds = 0, bytesPerRecord = 0, processor = 0;
        if (std::sscanf(ours.c_str(), "%lf %lf %lf %lf", &importSeconds, &saveSeconds, &bytesPerRecord, &processor) !=
            4) {
            std::fprintf(stderr, "%sIN failed\n", format == "ur" ? "UR" : "TR");
            ++failures;
            continue;
        }
        const double total = importSeconds + saveSeconds;
        std::printf("%sIN  import %.3f s + DXF save %.3f s = %.3f s (%.0f records/s, processor %.3f s), "
                    "%.0f bytes/record, DXF %.1f MB\n",
                    format == "ur" ? "UR" : "TR", importSeconds, saveSeconds, total,
                    static_cast<double>(records) / total, processor, bytesPerRecord,
                    static_cast<double>(std::filesystem::file_size(output)) / 1e6);
        std::filesystem::remove(output);
        if (noEzdxf) continue;
        double peer = 0;
        const std::string peerOut =
            run({"/usr/bin/python3", ZCAD_SOURCE_DIR "/bench/string_import/string_import_ezdxf.py", format, input,
                 output},
                peer);
        std::filesystem::remove(output);
        if (peerOut.empty()) {
            std::fprintf(stderr, "ezdxf peer failed (is python3-ezdxf installed?)\n");
            continue;
        }
        std::printf("  ezdxf %.3f s: %s  ratio %.1f\n", peer, peerOut.substr(0, peerOut.find('\n')).c_str(),
                    peer / total);
    }
    for (const std::string& input : files) std::filesystem::remove(input);
    return failures == 0 ? 0 : 1;
}
