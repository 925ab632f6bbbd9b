// One row per command: its names, its function and where the pop-up menu
// offers it. The command table, the menu and ZMENU all read the rows, so a
// new command is one row.
#pragma once

#include <array>

#include "arx/rxapi.h"

namespace zamenu {

// The menu's sub-menus in their order, and its own items after them.
enum class MenuGroup { Import, Export, GeneralUtilities, Menu };

// An item of the menu: the group it is in and its place there, whether a
// separator comes before it, its text and identifier, and the selection
// number the menu hands back for it.
struct MenuItem {
    MenuGroup group = MenuGroup::Menu;
    int place = 0;
    bool separatorBefore = false;
    const char* text = nullptr;  // null: no item
    int id = 0;
    int selection = -1;
};

struct CommandRow {
    const char* globalName;
    const char* localName;
    AcRxFunctionPtr function;
    std::array<MenuItem, 2> items{};
    // A selection number that no item hands back but that runs the command.
    int otherSelection = -1;
};

}  // namespace zamenu
