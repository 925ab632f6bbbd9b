// The "Command: " prompt: the session's own commands, module commands by
// global or local name, and host commands; each run between the one start
// and end every command has.
#include <exception>
#include <string>

#include "arx/acedads.h"
#include "command_registry.h"
#include "commands/command_processor.h"
#include "commands/undo_control.h"
#include "editor/user_break.h"
#include "session_commands.h"
#include "state/session_state.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/session.h"
#include "zcad/text.h"
#include "zcad/undo.h"

namespace zcad {

namespace {

void invokeModuleCommand(const RegisteredCommand& command) {
    std::string failure;
    try {
        command.function();
        return;
    } catch (const std::exception& e) {
        failure = command.globalName + " failed: " + e.what();
    } catch (...) {
        failure = command.globalName + " failed.";
    }
    writeOutput("\n" + failure + "\n");
    noteScriptFault(ScriptFault::Failed, failure);
}

// Where every command typed at the Command prompt starts and ends, the
// session's, the host's and the modules' alike. False when the session is
// to end.
template <class Body>
bool runCommand(std::string_view name, Body&& body) {
    const int breaksBefore = breaksSoFar();
    const commands::UndoControl control = commands::undoControl();
    const bool journalled = control != commands::UndoControl::None && !commands::isUndoCommand(name);
    if (journalled) {
        Database& db = currentDatabase();
        db.journal().setLimit(commands::undoLimit(control));
        db.journal().begin(db, name);
    }
    const bool goOn = body();
    // A command that left a host command or a sequence open does not leak it into the next.
    acedCommandS(RTNONE);
    acdbEntMake(nullptr);
    // Whatever the command made, cancelled or failed part way included, is one step.
    // OPEN may have put another drawing in place, whose journal has no step open.
    if (journalled) {
        Database& db = currentDatabase();
        db.journal().end(db);
    }
    // The break key pressed while the command worked was for it alone,
    // whether or not it looked.
    if (breaksSoFar() != breaksBefore) {
        takeBreak();
        noteScriptFault(ScriptFault::Interrupted, std::string(name) + " was broken off (Ctrl-C)");
    }
    return goOn;
}

bool isHostCommand(std::string_view name) {
    for (const commands::CommandSummary& command : commands::hostCommands()) {
        if (command.name == name) return true;
    }
    return false;
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

std::vector<std::string> commandNames() {
    std::vector<std::string> names;
    for (const SessionCommand& command : sessionCommands()) names.emplace_back(command.name);
    for (const commands::CommandSummary& command : commands::hostCommands()) names.emplace_back(command.name);
    for (const RegisteredCommand& command : registeredCommands()) {
        names.push_back(command.globalName);
        if (command.localName != command.globalName) names.push_back(command.localName);
    }
    return names;
}

bool runCommandLine(const std::string& line) {
    std::string_view text = trimmed(line);
    if (text.empty() || text.front() == ';' || isCancelLine(text)) return true;
    const std::size_t space = text.find_first_of(" \t");
    std::string_view name = text.substr(0, space);
    const std::string_view argument = space == std::string_view::npos ? std::string_view() : text.substr(space);
    while (!name.empty() && (name.front() == '_' || name.front() == '.')) name.remove_prefix(1);
    const std::string key = upperCase(name);
    if (const SessionCommand* command = findSessionCommand(key)) {
        return runCommand(key, [&] { return command->run(argument); });
    }
    if (const RegisteredCommand* command = findCommand(key)) {
        return runCommand(key, [&] {
            invokeModuleCommand(*command);
            return true;
        });
    }
    if (isHostCommand(key)) {
        return runCommand(key, [&] {
            runHostCommandLine(key);
            return true;
        });
    }
    const std::string unknown = commands::unknownCommandMessage(key);
    writeOutput(unknown + "\n");
    noteScriptFault(ScriptFault::NotACommand, {});
    return true;
}

void runCommandLoop() {
    makeModuleCommandsReachable();
    for (;;) {
        const std::optional<std::string> line = readCommandLine();
        if (line) {
            if (!runCommandLine(*line)) return;
            continue;
        }
        // Ctrl-D at a terminal ends the session as QUIT does, question and all.
        if (endingSignal() || scriptStopped() || !inputInteractive()) return;
        if (!runCommandLine("QUIT")) return;
    }
}

}  // namespace zcad
