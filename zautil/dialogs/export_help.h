// The module's help file, opened from the export options at their topic.
#pragma once

#include <platform/win32.h>

#include "settings/za_env.h"

inline constexpr unsigned long kZaExportHelpContext = 98320;

// "zautils.hlp" of the installation directory in the help viewer; a
// message box when the file or the directory cannot be found.
void zaShowExportHelp(HWND parent, const ZsAcEnviron& environment);
