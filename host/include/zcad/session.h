// What the zcad program does: open a drawing, load modules, run commands
// from the input sources, save.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dxf.h"

#pragma GCC visibility push(default)

namespace zcad {

struct SessionOptions {
    std::string drawing;               // empty: a new drawing
    std::vector<std::string> scripts;  // read in turn before standard input
    std::string save;                  // empty: not saved at exit
    std::vector<std::string> modules;  // loaded in turn
    std::optional<DxfVersion> version;
    bool readStandardInput = true;
};

// Returns the process's exit status.
int runSession(const SessionOptions& options);

// Loads a module with dlopen, checks its interface version and sends it
// kInitAppMsg; false with a message when it cannot.
bool loadModule(const std::string& path, std::string& error);
// Sends kUnloadAppMsg to every loaded module and closes them.
void unloadModules();
// Sends a message to every loaded module.
void notifyModules(int message);

// Reads "Command: " lines until input ends or QUIT, running each command.
void runCommandLoop();

// Lets acedCommandS run module commands ("ZRIB"), as the host's command line does.
void makeModuleCommandsReachable();

// Runs one command typed at "Command: " (module, host or session command).
// False when it asks the session to end (QUIT).
bool runCommandLine(const std::string& line);

// Runs a host command (zoom, -layer, ...) typed at "Command: ", reading its
// words from the input; false when no host command has that name.
bool runHostCommandLine(const std::string& name);

// The file SAVEAS and --save write, and the release to write it in.
struct SaveTarget {
    std::optional<DxfVersion> version;
};
SaveTarget& saveTarget();

}  // namespace zcad

#pragma GCC visibility pop
