#include <unistd.h>

#include <cstdio>
#include <new>

#include "arx/rxapi.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/session.h"

namespace zcad {

namespace {

void complain(const std::string& message) { std::fprintf(stderr, "zcad: %s\n", message.c_str()); }

bool openDrawing(const std::string& path) {
    if (path.empty()) {
        replaceCurrentDatabase(std::make_unique<Database>());
        return true;
    }
    std::string error;
    std::unique_ptr<Database> db = readDxf(path, error);
    if (!db) {
        complain(error);
        return false;
    }
    replaceCurrentDatabase(std::move(db));
    return true;
}

bool addScripts(const std::vector<std::string>& scripts) {
    for (const auto& path : scripts) {
        std::string error;
        std::unique_ptr<InputSource> source = scriptSource(path, error);
        if (!source) {
            complain(error);
            return false;
        }
        addInput(std::move(source));
    }
    return true;
}

bool saveDrawing(const SessionOptions& options) {
    if (options.save.empty()) return true;
    notifyModules(AcRx::kSaveMsg);
    std::string error;
    const DxfVersion* version = options.version ? &*options.version : nullptr;
    if (writeDxf(options.save, currentDatabase(), version, error)) return true;
    complain(error);
    return false;
}

int run(const SessionOptions& options) {
    if (!openDrawing(options.drawing)) return 1;
    saveTarget().version = options.version;
    if (!addScripts(options.scripts)) return 2;
    if (options.readStandardInput) addInput(isatty(STDIN_FILENO) ? terminalSource() : streamSource(stdin));
    for (const auto& path : options.modules) {
        std::string error;
        if (!loadModule(path, error)) {
            complain(error);
            return 1;
        }
    }
    runCommandLoop();
    const bool saved = saveDrawing(options);
    notifyModules(AcRx::kPreQuitMsg);
    notifyModules(AcRx::kQuitMsg);
    unloadModules();
    return saved ? 0 : 1;
}

}  // namespace

int runSession(const SessionOptions& options) {
    try {
        return run(options);
    } catch (const std::bad_alloc&) {
        // Reading and saving report it themselves; anywhere else it ends the session.
        complain("not enough memory to go on");
        return 1;
    }
}

}  // namespace zcad
