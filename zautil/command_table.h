// The module's commands, registered in row order in one command group.
#pragma once

#include <span>
#include <string_view>

#include "arx/rxapi.h"

inline constexpr const char* kZarvoCommandGroup = "ZARVO_LDD_CMDS";

struct ZaCommandRow {
    const char* globalName;
    const char* localName;
    AcRxFunctionPtr function;
};

std::span<const ZaCommandRow> zaCommandTable();

// The row of a global name (any letter case), or nullptr.
const ZaCommandRow* zaFindCommand(std::string_view globalName);

// ZMENU: the pop-up menu, then the command chosen, found in the table by name.
void zaZMenu();
