#include "commands/command_table.h"

#include "alignment/halout.h"
#include "config/zconfig.h"
#include "levels/level_commands.h"
#include "menu/about_box.h"
#include "menu/popup_menu.h"
#include "menu/ribbon.h"
#include "pads/padlev.h"
#include "plot/pfin.h"
#include "plot/pfout.h"
#include "plot/pqin.h"
#include "config/zselect.h"
#include "string_export/string_export_commands.h"
#include "string_import/string_import_commands.h"
#include "triangles/utin.h"

namespace {

using G = zamenu::MenuGroup;

// Each command function builds its command's context, runs it and destroys
// it; the rows only name them. Menu items: group, place, separator before,
// text, identifier, selection.
constexpr zamenu::CommandRow kCommands[] = {
    {"PFIN", "PFI", zaPFIN, {{{G::Import, 0, false, "&Plot File (pfin)", 40011, 1}}}},
    {"PQIN", "PQI", zaPQIN, {{{G::Import, 1, false, "Plot File from &Queue (pqin)", 40010, 0}}}},
    {"URIN", "URI", zaURIN, {{{G::Import, 2, true, "&Universal Reduced File input (urin)", 40014, 2}}}},
    {"TRIN", "TRI", zaTRIN, {{{G::Import, 3, false, "ASCII Text &Reduced XYZ input (trin)", 40016, 3}}}},
    {"UTIN", "UTI", zaUTIN, {{{G::Import, 4, true, "Zarvo &Triangle Transfer (utin)", 40018, 4}}}},
    {"PFOUT", "PFO", zaPFOUT, {{{G::Export, 0, false, "&Plot file output (pfout)", 40020, 10}}}},
    {"UROUT", "URO", zaUROUT, {{{G::Export, 1, true, "&Universal Reduction File output (urout)", 40023, 11}}}},
    {"TROUT", "TRO", zaTROUT, {{{G::Export, 2, false, "ASCII &Text Reduction File output (trout)", 40025, 12}}}},
    {"HALOUT", "HOUT", zaHALOUT, {{{G::Export, 3, true, "&Horizontal Alignment File (halout)", 40028, 13}}}},
    {"PELEV", "PLEV", zaPELEV, {{{G::GeneralUtilities, 1, false, "&Edit PolyLine level (Pelev)", 40032, 21}}}},
    {"PADLEV", "PAD", zaPADLEV,
     {{{G::GeneralUtilities, 0, false, "&Generate bounding PolyLine at given level (Padlev)", 40030, 20}}}},
    {"ZABOUT", "ZA", zaZAbout,
     {{{G::GeneralUtilities, 6, false, "&About Zarvo AutoCAD Interface", 40042, 34},
       {G::Menu, 1, false, "&Help", 40049, 34}}},
     23},
    {"ZCONFIG", "ZC", zaZConfig,
     {{{G::GeneralUtilities, 7, false, "&Options", 40045, 30}, {G::Menu, 0, true, "&Configuration", 40045, 30}}}},
    {"ZSELECT", "ZSELECT", zaZSelect,
     {{{G::GeneralUtilities, 4, true, "&Modify the Zarvo Software Suite Current Job (Zselect)", 40039, 22}}}},
    {"ZMENU", "ZMENU", zaZMenu},
    {"ZHELP", "ZHELP", zaZHelp, {}, 31},
    {"PT2LEV", "P2L", zaPT2LEV, {{{G::GeneralUtilities, 3, false, "&Point 2 Level (Pt2lev)", 40036, 24}}}},
    {"LEV2PT", "L2P", zaLEV2PT, {{{G::GeneralUtilities, 2, false, "&Level to Point (Lev2pt)", 40034, 25}}}},
    {"ZRIBBON", "ZRIB", zaZRibbon, {{{G::GeneralUtilities, 5, true, "&Install Ribbon Menu", 40050, 32}}}},
};

}  // namespace

std::span<const zamenu::CommandRow> zaCommandTable() { return kCommands; }

void zaZMenu() {
    if (const zamenu::CommandRow* row = zamenu::selectionRow(kCommands, zaShowPopUpMenu(kCommands))) row->function();
}
