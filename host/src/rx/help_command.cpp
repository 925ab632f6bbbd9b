// HELP and ?: every command the Command prompt knows, one line each, or
// what is known of one.
#include <algorithm>
#include <string>

#include "command_registry.h"
#include "commands/host_command.h"
#include "session_commands.h"
#include "zcad/console.h"
#include "zcad/text.h"

namespace zcad {

namespace {

constexpr std::size_t kNameColumn = 16;

std::string row(std::string_view name, std::string_view summary) {
    std::string line = "  " + std::string(name);
    line.append(line.size() < kNameColumn ? kNameColumn - line.size() : 1, ' ');
    return line + std::string(summary) + "\n";
}

std::string namesOf(const RegisteredCommand& command) {
    return command.localName == command.globalName ? command.globalName
                                                   : command.globalName + " (" + command.localName + ")";
}

// The module's commands in the order they were registered, by group.
std::string moduleCommandList() {
    std::string text;
    std::string group;
    for (const RegisteredCommand& command : registeredCommands()) {
        if (command.group != group) {
            group = command.group;
            text += "Commands of the module, " + group + " (each asks for what it needs):\n";
        }
        text += "  " + namesOf(command) + "\n";
    }
    return text;
}

std::string commandList() {
    std::string text = "Commands of the session:\n";
    for (const SessionCommand& command : sessionCommands()) text += row(command.name, command.summary);
    text += "Commands of the host:\n";
    for (const commands::CommandSummary& command : commands::hostCommands()) text += row(command.name, command.summary);
    return text + moduleCommandList() + "Type a command's name at the Command prompt; Tab completes names and paths.\n";
}

std::string aboutCommand(std::string_view name) {
    const std::string key = upperCase(name);
    if (const SessionCommand* command = findSessionCommand(key)) return row(command->name, command->summary);
    for (const commands::CommandSummary& command : commands::hostCommands()) {
        if (command.name == key) return row(command.name, command.summary);
    }
    if (const RegisteredCommand* command = findCommand(key)) {
        return row(namesOf(*command), "a command of the module " + command->group + ", which gives the host no help text for it");
    }
    return "No command \"" + key + "\". HELP lists them all.\n";
}

}  // namespace

bool helpCommand(std::string_view argument) {
    const std::string_view name = trimmed(argument);
    writeOutput(name.empty() ? commandList() : aboutCommand(name));
    return true;
}

}  // namespace zcad
