// Saving and loading the configuration file, with the messages the user
// has always seen on the command line.
#include "settings/config_file.h"

#include "arx/acedads.h"
#include "files/replace_file.h"

namespace {

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

void printRefusal(const ZaConfigRefusal& refusal) {
    if (refusal.reason == ZaConfigRefusal::Reason::TooLong) {
        acutPrintf("Line %d is longer than %zu characters: passed over\n", refusal.line, kZaConfigLineLength);
        return;
    }
    acutPrintf("Line %d: \"%s\" cannot be \"%s\": the setting is unchanged\n", refusal.line, refusal.key.c_str(),
               refusal.value.c_str());
}

}  // namespace

void zaSaveConfiguration(const ZaSettings& settings, const std::string& path) {
    const std::string text = zaConfigFileText(settings, path, localNow());
    if (!zafiles::replaceFile(path, text)) {
        acutPrintf("File '%s' is unavailable.\nCancelling saveconfig\n", path.c_str());
        return;
    }
    acutPrintf("File has %d lines output as '%s' \n", static_cast<int>(zaConfigFileKeys().size()) + 2, path.c_str());
}

void zaLoadConfiguration(ZaSettings& settings, const std::string& path) {
    auto source = zafiles::openFileSource(path);
    if (!source) {
        acutPrintf("File '%s' is unavailable.   cancelling getconfig\n", path.c_str());
        return;
    }
    const ZaConfigRead read = zaReadConfigFile(std::move(source), settings);
    for (const ZaConfigRefusal& refusal : read.refusals) printRefusal(refusal);
    acutPrintf("Config read %d lines %d good %zu size from file '%s'\n", read.lines, read.good, read.size,
               path.c_str());
}
