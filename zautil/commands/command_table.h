// The module's commands, registered in row order in one command group; the
// rows also place each command in the pop-up menu.
#pragma once

#include <span>

#include "menu/command_row.h"

inline constexpr const char* kZarvoCommandGroup = "ZARVO_LDD_CMDS";

std::span<const zamenu::CommandRow> zaCommandTable();

// ZMENU: the pop-up menu, then the command of the item chosen.
void zaZMenu();
