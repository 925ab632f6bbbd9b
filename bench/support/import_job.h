// The two halves of an import benchmark. The child, a process of its own so
// that its peak memory is its own, runs the import and saves the drawing as
// DXF; the parent runs the child and reads what it measured.
#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "peer_flags.h"
#include "summary.h"

struct ImportJob {
    double import = 0;         // wall seconds
    double save = 0;           // wall seconds
    double processor = 0;      // of both
    long long peakGrowth = 0;  // bytes the peak resident set grew by
    unsigned long long entities = 0;

    Timing total() const { return {import + save, processor}; }
};

// The child. Made first, before the module's settings are touched: it
// points the installation directory (`installation`, or a fresh one beside
// `output`) and the registry away from the user's, and quiets the console;
// the fresh directory goes when it does.
class ImportChild {
public:
    explicit ImportChild(std::string output, const std::string& installation = {});
    ~ImportChild();
    ImportChild(const ImportChild&) = delete;
    ImportChild& operator=(const ImportChild&) = delete;

    // The import (false when it failed, having said why), then the save;
    // prints the line runImportChild reads. Returns the exit status.
    int run(const std::function<bool()>& import) const;

private:
    std::string output_;
    std::string scratch_;
};

// The parent: runs the child `runs` times and keeps the quickest, the
// least disturbed on a shared machine; false when a run failed.
bool runImportChild(const std::vector<std::string>& argv, ImportJob& job, int runs = 3);

// The options every import benchmark takes besides its size.
struct ImportOptions {
    std::string dir = std::filesystem::temp_directory_path().string();
    int runs = 3;
    PeerFlags peers;
    std::vector<std::string> child;  // three arguments: run one import in this process
};

template <typename App>
void addImportOptions(App& app, ImportOptions& options, const char* childArguments) {
    app.add_option("--dir", options.dir, "where the files go (removed afterwards)");
    app.add_option("--runs", options.runs, "runs of ours, the quickest kept")->check(CLI::Range(1, 100));
    addPeerFlags(app, options.peers);
    app.add_option("--child", options.child, std::string(childArguments) + ": one import in this process")->expected(3);
}
