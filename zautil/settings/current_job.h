// The suite's current job, shared with its other programs through the
// registry (HKEY_CURRENT_USER "Software\Zarvo Software", "Current Job")
// and the job files.
#pragma once

#include "settings/path_text.h"

#include <cstddef>
#include <string>
#include <string_view>

// 0 read under the key, 1 under the old key "Software\Zarvo". When none is
// stored: the result of zaGetZarvoInstallDir, with the installation
// directory followed by "unknownf.xx1" as the job when it was found.
int zaGetCurrentJob(std::string& job, std::size_t size = kZaPathSize);

// Stores the current-job form of the job file in the registry and writes
// the job files. False when the registry could not take it.
bool zaSetCurrentJob(std::string_view jobFile);
