// The helper's account of a conversion, as it prints it.
#pragma once

#include <string_view>

#include "zcad/dwg.h"

namespace zcad {

// Lines "release R2018", "entities 211", "lost WIPEOUT 2"; lines it does
// not know, and numbers that are not, are passed over.
DwgReport parseDwgReport(std::string_view text);

// The helper's own reason on standard error (its last "zcad-dwg: " line),
// else the last line there; empty when there is none.
std::string helperReason(std::string_view err);

}  // namespace zcad
