// The host's registered commands: groups of global and local names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "arx/rxapi.h"

namespace zcad {

struct RegisteredCommand {
    std::string group;
    std::string globalName;  // upper case
    std::string localName;   // upper case
    AcRxFunctionPtr function;
};

// By global or local name, case-insensitive; null when none.
const RegisteredCommand* findCommand(std::string_view name);
std::vector<RegisteredCommand>& registeredCommands();

}  // namespace zcad
