// Running a program of a benchmark: our own job in a process of its own (so
// that its peak memory is its own) and the Python peers. Each run gives its
// wall and processor seconds: on a shared machine the wall clock also counts
// the waits for a core, and the processor seconds compare fairly.
#pragma once

#include <string>
#include <vector>

#include "summary.h"

struct Ran {
    bool ok = false;          // it ran and exited with 0
    std::string out;          // its standard output
    double wall = 0;          // seconds
    double processor = 0;     // user and system seconds
    long long peakBytes = 0;  // its largest resident set
};

// argv[0] is the program's path; its standard error passes through.
Ran runProgram(const std::vector<std::string>& argv);

// A peer script of bench/ (a path under it) run by /usr/bin/python3, which
// has ezdxf, numpy and shapely.
Ran runPeer(const std::string& script, const std::vector<std::string>& args);

// A peer that does a job whole, writing `output` (removed afterwards):
// its fastest path (--fast before `args`) or its document API. Prints its
// seconds and its report; not measured when `wanted` is false or it fails.
Timing runPeerJob(bool wanted, bool fast, const std::string& script, std::vector<std::string> args,
                  const std::string& output);

// This program, to run a job of its own in a child.
std::string selfPath();

// User and system seconds of this process so far, all its threads.
double processorSeconds();

// A value of /proc/self/status in bytes ("VmRSS", "VmHWM").
long long statusBytes(const char* name);
