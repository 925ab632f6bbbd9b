#include "command_table.h"

#include "settings/zselect.h"

namespace {

// Every command function has one shape: build the command's context, run
// it, destroy it (also when an exception leaves the run).
template <class Context, auto Run>
void runInContext() {
    Context context;
    (context.*Run)();
}

constexpr ZaCommandRow kCommands[] = {
    {"ZSELECT", "ZSELECT", zaZSelect},
};

}  // namespace

std::span<const ZaCommandRow> zaCommandTable() { return kCommands; }
