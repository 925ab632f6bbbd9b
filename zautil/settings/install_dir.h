// Where the Zarvo suite is installed: its registry key under
// HKEY_LOCAL_MACHINE, else the environment variable ZARV$PROG.
#pragma once

#include "settings/path_text.h"

#include <platform/registry.h>

#include <cstddef>
#include <string>

// The text value named under the installation key of hive, fitting size
// bytes with its terminating zero. 0: read under one of the three new keys;
// 1: under the old key; -2: no key gives it; -3 (new key) or -1 (old key):
// too long; -4: the old key's value is not text.
int GetZInstVar(HKEY hive, const char* valueName, std::string& value, std::size_t size);

// The installation directory, ending in a separator. 0 or 1 as GetZInstVar,
// 2 when taken from ZARV$PROG; -8 when that cannot be read either (the
// directory is then empty); -3 when the directory does not fit size bytes.
int zaGetZarvoInstallDir(std::string& dir, std::size_t size = kZaPathSize);
