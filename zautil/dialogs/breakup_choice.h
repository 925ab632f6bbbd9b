// Which rule breaks arcs and circles into points for one export run: as
// stored, from the arc and circle options dialog, or from the command line.
#pragma once

#include "dialogs/urout_options.h"

enum class ZaArcChoice {
    BreakUp,    // by the rule now in the options
    LeaveOut,   // the user answered None or No
    Cancelled,  // the question was cancelled: the run stops
};

// A rule chosen by the user is stored into the settings in memory, so
// later exports start from it.
ZaArcChoice zaChooseArcBreakup(ZaUROutOptions& options);

// True when arcs are to be broken up; a cancel leaves them out.
bool zaUroutCircleAndArcOptions(ZaUROutOptions& options);
