// The module's help file, "zautils.hlp" in the suite's installation
// directory, as the export options dialog opens it.
#pragma once

#include <platform/win32.h>

void zaShowHelpFile(HWND owner);
