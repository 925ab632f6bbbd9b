// The module's pop-up menu, built from the command rows: every command by
// its place in the suite's work. Each item hands back a selection number,
// which names the command.
#pragma once

#include <platform/menu.h>

#include <span>

#include "menu/command_row.h"

// Shows the menu; the selection number of the item chosen, or -1 when the
// menu was closed without a choice.
int zaShowPopUpMenu(std::span<const zamenu::CommandRow> rows);

namespace zamenu {

zplat::Menu popUpMenu(std::span<const CommandRow> rows);

// The row a selection runs, or null for none.
const CommandRow* selectionRow(std::span<const CommandRow> rows, int selection);

}  // namespace zamenu
