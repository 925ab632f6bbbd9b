// ZMENU runs the chosen command by its name in the command table, so that
// the menu reaches every command the module has.
#include "command_table.h"
#include "menu/popup_menu.h"

void zaZMenu() {
    zaRunMenuSelection(zaShowPopUpMenu(), [](const char* name) -> AcRxFunctionPtr {
        const ZaCommandRow* row = zaFindCommand(name);
        return row ? row->function : nullptr;
    });
}
