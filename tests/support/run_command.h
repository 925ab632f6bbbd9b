// Running another program from a test: the independent DXF checkers.
#pragma once

#include <cstdio>
#include <string>

// Runs a command and returns what it printed; `status` gets its exit status.
inline std::string runCommand(const std::string& command, int& status) {
    std::string output;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) {
        status = -1;
        return output;
    }
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    status = ::pclose(pipe);
    return output;
}

inline bool haveEzdxf() {
    int status = 0;
    runCommand("/usr/bin/python3 -c 'import ezdxf'", status);
    return status == 0;
}
