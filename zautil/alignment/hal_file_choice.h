// Where the HAL file goes, and the intervals it carries: through the
// export dialog, or a save-file dialog and two questions.
#pragma once

#include <optional>
#include <string>

#include "alignment/hal_intervals.h"

struct ZaHalTarget {
    std::string path;
    ZaHalIntervals intervals;
};

// Nothing when the user cancelled or the name was refused (the command line
// has said so). The dialog leaves its intervals in the settings.
std::optional<ZaHalTarget> zaChooseHalFile(const ZaHalIntervals& intervals);
