// The two halves of an import benchmark. The child, a process of its own so
// that its peak memory is its own, runs the import and saves the drawing as
// DXF; the parent runs the child and reads what it measured.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "summary.h"

struct ImportJob {
    double import = 0;         // wall seconds
    double save = 0;           // wall seconds
    double processor = 0;      // of both
    long long peakGrowth = 0;  // bytes the peak resident set grew by
    unsigned long long entities = 0;

    Timing total() const { return {import + save, processor}; }
};

// The child: the module's installation directory (`installation`, or a
// fresh one beside `output`) and registry set, the import (false when it
// failed, having said why), the save; prints the line runImportChild
// reads. Returns the exit status.
int runImportJob(const std::function<bool()>& import, const std::string& output,
                 const std::string& installation = {});

// The parent: runs the child `runs` times and keeps the quickest, the
// least disturbed on a shared machine; false when a run failed.
bool runImportChild(const std::vector<std::string>& argv, ImportJob& job, int runs = 3);
