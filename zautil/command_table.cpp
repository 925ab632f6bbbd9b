#include "command_table.h"

#include "alignment/halout.h"
#include "levels/level_commands.h"
#include "pads/padlev.h"
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
    {"PT2LEV", "P2L", zaPT2LEV},
    {"LEV2PT", "L2P", zaLEV2PT},
    {"PELEV", "PLEV", zaPELEV},
    {"PADLEV", "PAD", zaPADLEV},
    {"ZSELECT", "ZSELECT", zaZSelect},
};

}  // namespace

std::span<const ZaCommandRow> zaCommandTable() { return kCommands; }
