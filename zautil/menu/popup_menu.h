// The module's pop-up menu: every command by its place in the suite's
// work. Each item hands back a selection number, which names the command.
#pragma once

#include <platform/menu.h>

#include <functional>

#include "arx/rxapi.h"

const zplat::Menu& zaPopUpMenu();

// Shows the menu; the selection number of the item chosen, or -1 when the
// menu was closed without a choice.
int zaShowPopUpMenu();

// The global name of the command a selection runs, or nullptr for none.
const char* zaMenuSelectionCommand(int selection);

// Runs the command of a selection, found by its global name; one the module
// does not have is told on the command line. No selection runs nothing.
using ZaCommandFinder = std::function<AcRxFunctionPtr(const char* globalName)>;
void zaRunMenuSelection(int selection, const ZaCommandFinder& find);
