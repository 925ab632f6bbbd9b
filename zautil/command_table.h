// The module's commands, registered in row order in one command group.
#pragma once

#include <span>

#include "arx/rxapi.h"

inline constexpr const char* kZarvoCommandGroup = "ZARVO_LDD_CMDS";

struct ZaCommandRow {
    const char* globalName;
    const char* localName;
    AcRxFunctionPtr function;
};

std::span<const ZaCommandRow> zaCommandTable();
