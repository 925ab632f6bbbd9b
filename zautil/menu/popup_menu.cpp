#include "menu/popup_menu.h"

#include <platform/dialog.h>

#include "arx/acedads.h"
#include "arx/rxapi.h"

namespace {

struct MenuEntry {
    int id;
    int selection;
};

constexpr MenuEntry kSelections[] = {
    {40010, 0},  {40011, 1},  {40014, 2},  {40016, 3},  {40018, 4},  {40020, 10}, {40023, 11},
    {40025, 12}, {40028, 13}, {40030, 20}, {40032, 21}, {40039, 22}, {40036, 24}, {40034, 25},
    {40045, 30}, {40050, 32}, {40042, 34}, {40049, 34},
};

struct SelectionCommand {
    int selection;
    const char* command;
};

// 23 and 31 come from no item, but are understood.
constexpr SelectionCommand kCommands[] = {
    {0, "PQIN"},     {1, "PFIN"},   {2, "URIN"},   {3, "TRIN"},     {4, "UTIN"},    {10, "PFOUT"},
    {11, "UROUT"},   {12, "TROUT"}, {13, "HALOUT"}, {20, "PADLEV"}, {21, "PELEV"},  {22, "ZSELECT"},
    {23, "ZABOUT"},  {24, "PT2LEV"}, {25, "LEV2PT"}, {30, "ZCONFIG"}, {31, "ZHELP"}, {32, "ZRIBBON"},
    {34, "ZABOUT"},
};

int selectionOf(int id) {
    for (const MenuEntry& entry : kSelections)
        if (entry.id == id) return entry.selection;
    return -1;
}

zplat::MenuItem item(const char* text, int id) { return {text, id, {}}; }
zplat::MenuItem separator() { return {}; }
zplat::MenuItem subMenu(const char* text, zplat::Menu items) { return {text, 0, std::move(items)}; }

zplat::Menu buildMenu() {
    return {
        subMenu("&Import", {item("&Plot File (pfin)", 40011), item("Plot File from &Queue (pqin)", 40010),
                            separator(), item("&Universal Reduced File input (urin)", 40014),
                            item("ASCII Text &Reduced XYZ input (trin)", 40016), separator(),
                            item("Zarvo &Triangle Transfer (utin)", 40018)}),
        subMenu("&Export", {item("&Plot file output (pfout)", 40020), separator(),
                            item("&Universal Reduction File output (urout)", 40023),
                            item("ASCII &Text Reduction File output (trout)", 40025), separator(),
                            item("&Horizontal Alignment File (halout)", 40028)}),
        subMenu("&General Utilities",
                {item("&Generate bounding PolyLine at given level (Padlev)", 40030),
                 item("&Edit PolyLine level (Pelev)", 40032), item("&Level to Point (Lev2pt)", 40034),
                 item("&Point 2 Level (Pt2lev)", 40036), separator(),
                 item("&Modify the Zarvo Software Suite Current Job (Zselect)", 40039), separator(),
                 item("&Install Ribbon Menu", 40050), item("&About Zarvo AutoCAD Interface", 40042),
                 item("&Options", 40045)}),
        separator(),
        item("&Configuration", 40045),
        item("&Help", 40049),
    };
}

// The menu's window: it tracks the menu as it opens and closes once the
// menu has been shown, handing back the selection of the item chosen.
class PopUpMenu : public zplat::Dialog {
public:
    PopUpMenu(int& selection, HWND parent) : Dialog({}, parent), selection_(selection) {}

protected:
    bool onInitDialog() override {
        const int id = zplat::trackPopupMenu(zaPopUpMenu());
        if (id != 0) selection_ = selectionOf(id);
        endDialog(zplat::IDOK);
        return true;
    }

private:
    int& selection_;
};

}  // namespace

const zplat::Menu& zaPopUpMenu() {
    static const zplat::Menu menu = buildMenu();
    return menu;
}

int zaShowPopUpMenu() {
    int selection = -1;
    acDocManagerPtr()->pushResourceHandle(nullptr);
    {
        PopUpMenu menu(selection, adsw_acadMainWnd());
        menu.doModal();
    }
    acDocManagerPtr()->popResourceHandle();
    return selection;
}

const char* zaMenuSelectionCommand(int selection) {
    for (const SelectionCommand& entry : kCommands)
        if (entry.selection == selection) return entry.command;
    return nullptr;
}

void zaRunMenuSelection(int selection, const ZaCommandFinder& find) {
    const char* name = zaMenuSelectionCommand(selection);
    if (!name) return;
    const AcRxFunctionPtr command = find(name);
    if (!command) {
        acutPrintf("\nThe %s command is not available in this version of the module.\n", name);
        return;
    }
    command();
}
