#include "command_table.h"

#include "plot/pfin.h"
#include "plot/pfout.h"
#include "plot/pqin.h"
#include "settings/zselect.h"
#include "strings/string_import_commands.h"

namespace {

// Each command function builds its command's context, runs it and destroys
// it; the rows only name them.
constexpr ZaCommandRow kCommands[] = {
    {"PFIN", "PFI", zaPFIN},
    {"PQIN", "PQI", zaPQIN},
    {"URIN", "URI", zaURIN},
    {"TRIN", "TRI", zaTRIN},
    {"PFOUT", "PFO", zaPFOUT},
    {"ZSELECT", "ZSELECT", zaZSelect},
};

}  // namespace

std::span<const ZaCommandRow> zaCommandTable() { return kCommands; }
