#include "session_commands.h"

namespace zcad {

namespace {

constexpr SessionCommand kCommands[] = {
    {"HELP", "lists the commands; HELP NAME tells of one", helpCommand},
    {"?", "the same as HELP", helpCommand},
    {"OPEN", "opens a DXF drawing (or a DWG, converted) in place of this one", openCommand},
    {"AUDIT", "lists what reading the drawing repaired", auditCommand},
    {"SAVE", "saves the drawing under its own name", saveCommand},
    {"QSAVE", "the same as SAVE", saveCommand},
    {"SAVEAS", "saves the drawing under a new name, which it keeps; SAVEAS R12 NAME saves in that release",
     saveAsCommand},
    {"QUIT", "ends the session (at a terminal, asks first about unsaved changes)", quitCommand},
    {"EXIT", "the same as QUIT", quitCommand},
};

}  // namespace

std::span<const SessionCommand> sessionCommands() { return kCommands; }

const SessionCommand* findSessionCommand(std::string_view name) {
    for (const SessionCommand& command : kCommands) {
        if (command.name == name) return &command;
    }
    return nullptr;
}

}  // namespace zcad
