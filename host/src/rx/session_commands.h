// The commands the session runs itself at the Command prompt: the
// drawing's files, HELP and the end of the session.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "zcad/database.h"

namespace zcad {

struct SessionCommand {
    std::string_view name;
    std::string_view summary;  // one line for HELP
    // Runs it with what followed its name on the line; false when the
    // session is to end.
    bool (*run)(std::string_view argument);
};

std::span<const SessionCommand> sessionCommands();
const SessionCommand* findSessionCommand(std::string_view name);  // upper-case name

// The parts of the session commands, each in its own file.
bool saveAsCommand(std::string_view argument);
bool saveCommand(std::string_view argument);
bool openCommand(std::string_view argument);
bool quitCommand(std::string_view argument);
bool helpCommand(std::string_view argument);
bool auditCommand(std::string_view argument);

// What reading `db` repaired, as AUDIT prints it.
std::string repairReport(const Database& db);
// One line saying repairs were made, or empty: a drawing is never
// repaired in silence.
std::string repairNotice(const Database& db);

}  // namespace zcad
