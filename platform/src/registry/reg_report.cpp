#include <platform/registry.h>

#include "reg_store.h"

#include <zcad/console.h>

#include <mutex>

namespace {

std::mutex gReporterMutex;
zplat::RegistryReporter gReporter;

}  // namespace

zplat::RegistryReporter zplat::setRegistryReporter(RegistryReporter reporter) {
    const std::lock_guard lock(gReporterMutex);
    std::swap(gReporter, reporter);
    return reporter;
}

void zplat::reg::report(const std::string& message) {
    RegistryReporter reporter;
    {
        const std::lock_guard lock(gReporterMutex);
        reporter = gReporter;
    }
    if (reporter) {
        reporter(message);
        return;
    }
    zcad::writeOutput(message);
}
