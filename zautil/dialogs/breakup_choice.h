// Which rule breaks arcs and circles into points for one export run: as
// stored, from the arc and circle options dialog, or from the command line.
#pragma once

#include "dialogs/urout_options.h"

// True when arcs are to be broken up by the rule now in the options; false
// when arcs and circles are to be left out. A rule chosen by the user is
// stored into the settings in memory, so later exports start from it.
bool zaUroutCircleAndArcOptions(ZaUROutOptions& options);
