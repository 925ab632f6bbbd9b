#include "command_table.h"

#include "pads/padlev.h"
#include "plot/pfin.h"
#include "settings/zselect.h"
#include "strings/string_import_commands.h"

namespace {

// Each command function builds its command's context, runs it and destroys
// it; the rows only name them.
constexpr ZaCommandRow kCommands[] = {
    {"PFIN", "PFI", zaPFIN},
    {"URIN", "URI", zaURIN},
    {"TRIN", "TRI", zaTRIN},
    {"PADLEV", "PAD", zaPADLEV},
    {"ZSELECT", "ZSELECT", zaZSelect},
};

}  // namespace

std::span<const ZaCommandRow> zaCommandTable() { return kCommands; }
