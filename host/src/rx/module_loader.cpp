#include <dlfcn.h>

#include <cstdio>
#include <vector>

#include "arx/rxapi.h"
#include "zcad/session.h"

namespace zcad {

namespace {

struct LoadedModule {
    void* handle;
    AcRxEntryPointFn entry;
    std::string path;
};

std::vector<LoadedModule>& modules() {
    static std::vector<LoadedModule> loaded;
    return loaded;
}

std::string dlMessage() {
    const char* message = dlerror();
    return message ? message : "unknown error";
}

}  // namespace

bool loadModule(const std::string& path, std::string& error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = "cannot load module '" + path + "': " + dlMessage();
        return false;
    }
    auto version = reinterpret_cast<AcRxGetApiVersionFn>(dlsym(handle, "acrxGetApiVersion"));
    auto entry = reinterpret_cast<AcRxEntryPointFn>(dlsym(handle, "acrxEntryPoint"));
    if (!version || !entry) {
        error = "'" + path + "' is not a module: it lacks acrxGetApiVersion or acrxEntryPoint";
        dlclose(handle);
        return false;
    }
    if (version() != kHostApiVersion) {
        char found[64];
        std::snprintf(found, sizeof found, "0x%08X, this host serves 0x%08X", static_cast<unsigned>(version()),
                      static_cast<unsigned>(kHostApiVersion));
        error = "'" + path + "' was built for interface version " + found;
        dlclose(handle);
        return false;
    }
    makeModuleCommandsReachable();
    modules().push_back({handle, entry, path});
    entry(AcRx::kInitAppMsg, handle);
    return true;
}

void notifyModules(int message) {
    for (const auto& m : modules()) m.entry(static_cast<AcRx::AppMsgCode>(message), m.handle);
}

void unloadModules() {
    auto& loaded = modules();
    while (!loaded.empty()) {
        const LoadedModule m = loaded.back();
        loaded.pop_back();
        m.entry(AcRx::kUnloadAppMsg, m.handle);
        dlclose(m.handle);
    }
}

}  // namespace zcad
