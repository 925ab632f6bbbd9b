#include <functional>

#include "host_command.h"
#include "zcad/text.h"

namespace zcad::commands {

namespace {

struct Entry {
    std::string_view name;
    std::function<std::unique_ptr<HostCommand>()> make;
};

const Entry kCommands[] = {
    {"-LAYER", makeLayerCommand},
    {"ZOOM", makeZoomCommand},
    {"PDMODE", makePdmodeCommand},
    {"MOVE", makeMoveCommand},
    {"CHANGE", makeChangeCommand},
    {"-SHADEMODE", makeShadeModeCommand},
    {"SHADEMODE", makeShadeModeCommand},
    {"SHADE", makeShadeCommand},
    {"RIBBON", [] { return makeRibbonCommand(true); }},
    {"RIBBONCLOSE", [] { return makeRibbonCommand(false); }},
    {"NETLOAD", makeNetloadCommand},
    {"REGEN", makeRegenCommand},
};

}  // namespace

std::unique_ptr<HostCommand> makeHostCommand(std::string_view name) {
    // "_" asks for the global name, "." for the built-in command.
    while (!name.empty() && (name.front() == '_' || name.front() == '.')) name.remove_prefix(1);
    const std::string wanted = upperCase(name);
    for (const Entry& entry : kCommands) {
        if (entry.name == wanted) return entry.make();
    }
    return nullptr;
}

}  // namespace zcad::commands
