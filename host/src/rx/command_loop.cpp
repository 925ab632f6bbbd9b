// The "Command: " prompt: module commands by global or local name, and the
// session's own SAVEAS and QUIT.
#include <exception>
#include <string>

#include "arx/acedads.h"
#include "command_registry.h"
#include "commands/command_processor.h"
#include "state/session_state.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/session.h"
#include "zcad/text.h"

namespace zcad {

namespace {

void saveAs(std::string_view argument) {
    std::string path(trimmed(argument));
    if (path.empty()) {
        const std::optional<std::string> answer = readAnswer("Enter file name: ");
        if (!answer || isCancelLine(*answer) || trimmed(*answer).empty()) return;
        path = std::string(trimmed(*answer));
    }
    std::string error;
    const DxfVersion* version = saveTarget().version ? &*saveTarget().version : nullptr;
    if (!writeDxf(path, currentDatabase(), version, error)) {
        writeOutput("\n" + error + "\n");
        return;
    }
    writeOutput("Saved " + path + "\n");
}

void invokeModuleCommand(const RegisteredCommand& command) {
    try {
        command.function();
    } catch (const std::exception& e) {
        writeOutput(std::string("\n") + command.globalName + " failed: " + e.what() + "\n");
    } catch (...) {
        writeOutput(std::string("\n") + command.globalName + " failed.\n");
    }
}

void runModuleCommand(const RegisteredCommand& command) {
    invokeModuleCommand(command);
    // A command that left a host command or a sequence open does not leak it into the next.
    acedCommandS(RTNONE);
    acdbEntMake(nullptr);
}

}  // namespace

void makeModuleCommandsReachable() {
    commands::setModuleCommandRunner([](std::string_view name) {
        const RegisteredCommand* command = findCommand(name);
        if (!command) return false;
        invokeModuleCommand(*command);
        return true;
    });
}

SaveTarget& saveTarget() { return sessionState<SaveTarget>(); }

bool runCommandLine(const std::string& line) {
    std::string_view text = trimmed(line);
    if (text.empty() || text.front() == ';' || isCancelLine(text)) return true;
    const std::size_t space = text.find_first_of(" \t");
    std::string_view name = text.substr(0, space);
    const std::string_view argument = space == std::string_view::npos ? std::string_view() : text.substr(space);
    while (!name.empty() && (name.front() == '_' || name.front() == '.')) name.remove_prefix(1);
    const std::string key = upperCase(name);
    if (key == "QUIT" || key == "EXIT") return false;
    if (key == "SAVEAS") {
        saveAs(argument);
        return true;
    }
    if (const RegisteredCommand* command = findCommand(key)) {
        runModuleCommand(*command);
        return true;
    }
    if (runHostCommandLine(key)) return true;
    writeOutput("Unknown command \"" + key + "\".  Press F1 for help.\n");
    return true;
}

void runCommandLoop() {
    makeModuleCommandsReachable();
    for (;;) {
        const std::optional<std::string> line = readAnswer("Command: ");
        if (!line) return;
        if (!runCommandLine(*line)) return;
    }
}

}  // namespace zcad
