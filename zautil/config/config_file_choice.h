// The file behind the configuration dialog's SaveConfig and GetConfig
// buttons, proposed as "ZautilConfig.dat" in the directory given.
#pragma once

#include <platform/win32.h>

#include <optional>
#include <string>

// Nothing when cancelled or, for loading, when the file does not exist
// (each told on the command line).
std::optional<std::string> zaChooseConfigFile(const std::string& directory, bool load, HWND owner);
