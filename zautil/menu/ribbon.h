// ZRIBBON: loads the suite's ribbon assembly into the host, once while the
// module stays loaded. The module runs it itself at load.
#pragma once

#include "settings/za_env.h"

// Cleared when the module loads.
void zaClearRibbonLoaded();

// Loads "ZsAcFiles/ZsAcRibbon2015.dll" of the installation directory
// through the host's RIBBON, NETLOAD and REGEN; false when there is no
// installation directory or no such file.
bool zaLoadRibbon(const ZsAcEnviron& env);

void zaZRibbon();
