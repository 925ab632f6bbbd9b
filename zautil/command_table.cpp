#include "command_table.h"

#include "alignment/halout.h"
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
    {"HALOUT", "HOUT", zaHALOUT},
    {"ZSELECT", "ZSELECT", zaZSelect},
};

}  // namespace

std::span<const ZaCommandRow> zaCommandTable() { return kCommands; }
