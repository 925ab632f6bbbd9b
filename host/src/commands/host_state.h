// What the host's display commands leave behind in a headless host: the
// shading mode, whether the drawing was shaded, the ribbon, and the .NET
// assemblies loaded. Session state, not saved with the drawing.
#pragma once

#include <string>
#include <vector>

namespace zcad::commands {

struct HostState {
    std::string shadeMode = "2D wireframe";
    bool shaded = false;
    bool ribbonShown = false;
    std::vector<std::string> loadedAssemblies;
    int regenerations = 0;
};

HostState& hostState();

}  // namespace zcad::commands
