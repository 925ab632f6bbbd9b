#include "command_table.h"

#include "alignment/halout.h"
#include "config/zconfig.h"
#include "files/text_rules.h"
#include "levels/level_commands.h"
#include "pads/padlev.h"
#include "menu/about_box.h"
#include "menu/ribbon.h"
#include "plot/pfin.h"
#include "plot/pfout.h"
#include "plot/pqin.h"
#include "settings/zselect.h"
#include "strings/string_export_commands.h"
#include "strings/string_import_commands.h"
#include "triangles/utin.h"

namespace {

// Each command function builds its command's context, runs it and destroys
// it; the rows only name them.
constexpr ZaCommandRow kCommands[] = {
    {"PFIN", "PFI", zaPFIN},
    {"PQIN", "PQI", zaPQIN},
    {"URIN", "URI", zaURIN},
    {"TRIN", "TRI", zaTRIN},
    {"UTIN", "UTI", zaUTIN},
    {"PFOUT", "PFO", zaPFOUT},
    {"UROUT", "URO", zaUROUT},
    {"TROUT", "TRO", zaTROUT},
    {"HALOUT", "HOUT", zaHALOUT},
    {"PELEV", "PLEV", zaPELEV},
    {"PADLEV", "PAD", zaPADLEV},
    {"ZABOUT", "ZA", zaZAbout},
    {"ZCONFIG", "ZC", zaZConfig},
    {"ZSELECT", "ZSELECT", zaZSelect},
    {"ZMENU", "ZMENU", zaZMenu},
    {"ZHELP", "ZHELP", zaZHelp},
    {"PT2LEV", "P2L", zaPT2LEV},
    {"LEV2PT", "L2P", zaLEV2PT},
    {"ZRIBBON", "ZRIB", zaZRibbon},
};

}  // namespace

std::span<const ZaCommandRow> zaCommandTable() { return kCommands; }

const ZaCommandRow* zaFindCommand(std::string_view globalName) {
    const std::string wanted = zafiles::lowerCased(globalName);
    for (const ZaCommandRow& row : kCommands)
        if (zafiles::lowerCased(row.globalName) == wanted) return &row;
    return nullptr;
}
