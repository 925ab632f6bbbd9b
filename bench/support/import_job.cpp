#include "import_job.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "best_of.h"
#include "child_process.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/dxf.h"

ImportChild::ImportChild(std::string output, const std::string& installation)
    : output_(std::move(output)),
      scratch_(std::filesystem::path(output_).parent_path() / ("zarvo-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(scratch_);
    // Each run writes a new file, as the peers do: replacing the last run's
    // would time the kernel dropping its cached pages as well.
    std::filesystem::remove(output_);
    ::setenv("ZARVO_REGISTRY", (scratch_ + "/registry.reg").c_str(), 1);
    ::setenv("ZARV$PROG", installation.empty() ? scratch_.c_str() : installation.c_str(), 1);
    zcad::setOutputSink([](std::string_view) {});
}

ImportChild::~ImportChild() {
    std::error_code ignored;
    std::filesystem::remove_all(scratch_, ignored);
}

int ImportChild::run(const std::function<bool()>& import) const {
    const long long before = statusBytes("VmRSS");
    const double processorStart = processorSeconds();
    const auto start = std::chrono::steady_clock::now();
    if (!import()) return 1;
    const double importSeconds = secondsSince(start);
    const auto saveStart = std::chrono::steady_clock::now();
    std::string error;
    if (!zcad::writeDxf(output_, zcad::currentDatabase(), nullptr, error)) {
        std::fprintf(stderr, "save failed: %s\n", error.c_str());
        return 1;
    }
    const double saveSeconds = secondsSince(saveStart);
    const double processor = processorSeconds() - processorStart;
    const long long peak = statusBytes("VmHWM");
    std::printf("%.3f %.3f %.3f %lld %zu\n", importSeconds, saveSeconds, processor, peak - before,
                zcad::currentDatabase().entityCount());
    return 0;
}

bool runImportChild(const std::vector<std::string>& argv, ImportJob& job, int runs) {
    for (int run = 0; run < runs; ++run) {
        const Ran ran = runProgram(argv);
        ImportJob next;
        if (!ran.ok || std::sscanf(ran.out.c_str(), "%lf %lf %lf %lld %llu", &next.import, &next.save,
                                   &next.processor, &next.peakGrowth, &next.entities) != 5) {
            return false;
        }
        if (run == 0 || next.total().wall < job.total().wall) job = next;
    }
    return true;
}
