#include "child_process.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "best_of.h"

extern char** environ;

namespace {

double toSeconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; }

}  // namespace

Ran runProgram(const std::vector<std::string>& argv) {
    Ran ran;
    int pipeEnds[2];
    if (argv.empty() || ::pipe(pipeEnds) != 0) return ran;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        ran.out.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot run %s: %s\n", args[0], std::strerror(spawned));
        return ran;
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    ran.wall = secondsSince(start);
    ran.processor = toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime);
    ran.peakBytes = static_cast<long long>(usage.ru_maxrss) * 1024;
    ran.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return ran;
}

Ran runPeer(const std::string& script, const std::vector<std::string>& args) {
    std::vector<std::string> argv{"/usr/bin/python3", ZCAD_SOURCE_DIR "/bench/" + script};
    argv.insert(argv.end(), args.begin(), args.end());
    Ran ran = runProgram(argv);
    if (!ran.ok) std::fprintf(stderr, "the peer %s failed (are python3-ezdxf and python3-numpy installed?)\n", script.c_str());
    return ran;
}

Timing runPeerJob(bool wanted, bool fast, const std::string& script, std::vector<std::string> args,
                  const std::string& output) {
    if (!wanted) return {};
    if (fast) args.insert(args.begin(), "--fast");
    const Ran ran = runPeer(script, args);
    std::filesystem::remove(output);
    if (!ran.ok) return {};
    std::printf("  ezdxf %s %.3f s (processor %.3f s): %s", fast ? "fastest path" : "document API", ran.wall,
                ran.processor, ran.out.c_str());
    return {ran.wall, ran.processor};
}

std::string selfPath() { return std::filesystem::read_symlink("/proc/self/exe").string(); }

double processorSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

long long statusBytes(const char* name) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return 0;
    const std::size_t length = std::strlen(name);
    char line[256];
    long long kilobytes = 0;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, name, length) == 0 && line[length] == ':') {
            kilobytes = std::atoll(line + length + 1);
            break;
        }
    }
    std::fclose(status);
    return kilobytes * 1024;
}
