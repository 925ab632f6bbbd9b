#include <platform/services.h>

#include <zcad/text_edges.h>

#include "command_line.h"

#include <cerrno>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<std::string> environmentBlock(const char* block) {
    std::vector<std::string> vars;
    while (block && *block) {
        vars.emplace_back(block);
        block += vars.back().size() + 1;
    }
    return vars;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (auto& s : strings) out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

DWORD errorFor(int err) {
    if (err == ENOENT || err == ENOTDIR) return ERROR_FILE_NOT_FOUND;
    if (err == EACCES || err == EPERM) return ERROR_ACCESS_DENIED;
    return ERROR_INVALID_PARAMETER;
}

}  // namespace

BOOL CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine, LPSECURITY_ATTRIBUTES,
                    LPSECURITY_ATTRIBUTES, BOOL bInheritHandles, DWORD, LPVOID lpEnvironment,
                    LPCSTR lpCurrentDirectory, LPSTARTUPINFOA, LPPROCESS_INFORMATION lpProcessInformation) {
    // The caller's text is the module's code page; the program gets UTF-8.
    std::vector<std::string> args = zplat::splitCommandLine(zcad::utf8OfHostText(lpCommandLine ? lpCommandLine : ""));
    std::string program = lpApplicationName ? zcad::fileSystemName(lpApplicationName) : "";
    if (program.empty() && !args.empty()) program = args.front();
    if (program.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (args.empty()) args.push_back(program);
    std::vector<std::string> env = lpEnvironment ? environmentBlock(static_cast<const char*>(lpEnvironment))
                                                 : std::vector<std::string>{};
    for (std::string& variable : env) variable = zcad::utf8OfHostText(variable);
    const std::string directory = lpCurrentDirectory ? zcad::fileSystemName(lpCurrentDirectory) : std::string();
    auto argv = pointers(args);
    auto envp = pointers(env);

    // What was printed before the program started comes before its output.
    std::fflush(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    if (!bInheritHandles) posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    pid_t pid = 0;
    const bool search = program.find('/') == std::string::npos;
    const int rc = search ? ::posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(),
                                           lpEnvironment ? envp.data() : environ)
                          : ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(),
                                          lpEnvironment ? envp.data() : environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        SetLastError(errorFor(rc));
        return FALSE;
    }
    // Not waited for; a watcher collects its exit so that no zombie stays.
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    if (lpProcessInformation) {
        lpProcessInformation->hProcess = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(pid));
        lpProcessInformation->hThread = nullptr;
        lpProcessInformation->dwProcessId = static_cast<DWORD>(pid);
        lpProcessInformation->dwThreadId = 0;
    }
    return TRUE;
}

BOOL CloseHandle(HANDLE) { return TRUE; }
