// The suite's numbers for AutoCAD linetypes.
#pragma once

#include <string_view>

// "CONTINUOUS" 1, "CENTRE" 2, "DASHED" 3, "HIDDEN" 4, "DASHDOT" 5,
// "DASHDOTDOT" 6, "HIDDEN2" 7; names are compared exactly and any other is 1.
int zaLineTypeCode(std::string_view linetypeName);
