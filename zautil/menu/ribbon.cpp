#include "menu/ribbon.h"

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "files/file_tests.h"
#include "settings/path_text.h"
#include "shell/resource_scope.h"

namespace {

constexpr const char* kRibbonVersion = "V3.0.0  (July 2014)";

bool gRibbonLoaded = false;

}  // namespace

void zaClearRibbonLoaded() { gRibbonLoaded = false; }

bool zaLoadRibbon(const ZsAcEnviron& env) {
    if (!env.found) return false;
    const std::string path = zaWithSeparator(env.installDir) + "ZsAcFiles/ZsAcRibbon2015.dll";
    if (!zafiles::isFile(path)) {
        acutPrintf("Cannot locate Zarvo dll \"%s\" \n", path.c_str());
        return false;
    }
    acutPrintf("Loading ZRibbon => \"%s\" \n", path.c_str());
    acedCommandS(RTNONE);
    acedCommandS(RTSTR, "RIBBON", RTNONE);
    // An assembly the host refused is not loaded, whatever follows.
    if (acedCommandS(RTSTR, "NETLOAD", RTSTR, path.c_str(), RTNONE) != RTNORM) {
        acedCommandS(RTNONE);
        return false;
    }
    acedCommandS(RTSTR, "RIBBON", RTNONE);
    acedCommandS(RTSTR, "REGEN", RTNONE);
    acedCommandS(RTNONE);
    acutPrintf("Complete \"%s\" \n", path.c_str());
    return true;
}

void zaZRibbon() {
    const zashell::ResourceScope scope;
    acutPrintf("\nZARVO Software Loading ribbon, version %s\n", kRibbonVersion);
    if (!gRibbonLoaded) {
        const ZsAcEnviron env;
        gRibbonLoaded = zaLoadRibbon(env);
    }
    acutPrintf("Zarvo Ribbon loaded <%s>\n", gRibbonLoaded ? "Yes" : "No");
}
