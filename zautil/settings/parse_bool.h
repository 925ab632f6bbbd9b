// Flags as the configuration file writes them ("true", "false"), and as
// people type them.
#pragma once

bool zaParseBool(const char* text);
