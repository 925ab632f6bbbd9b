// What the zcad program does: open a drawing, load modules, run commands
// from the input sources, save.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dxf.h"
#include "picture.h"

#pragma GCC visibility push(default)

namespace zcad {

// Paths here are file-system names, as given on the command line.
struct SessionOptions {
    std::string drawing;               // empty: a new drawing
    std::vector<std::string> scripts;  // read in turn before standard input
    std::string save;                  // empty: not saved at exit
    std::vector<std::string> modules;  // loaded in turn
    std::optional<DxfVersion> version;
    std::string picture;  // empty: no picture at exit
    PictureOptions pictureOptions;  // also what PNGOUT draws with
    bool readStandardInput = true;
    // Go on past script lines that go wrong, and save all the same.
    bool keepGoing = false;
    // Only read the drawing and print what reading it repaired.
    bool auditOnly = false;
    // Keep the undo journal (UNDO Control All); off for runs that never undo.
    bool undo = true;
};

// What the exit status says. A session ended by a signal exits with 128
// and the signal's number, as a shell reports it.
enum ExitStatus : int {
    kExitDone = 0,             // the run went as written
    kExitScriptWentWrong = 1,  // a script line went wrong (or, with keepGoing, several)
    kExitUsage = 2,            // options or a script file that cannot be used
    kExitNotRead = 3,          // the drawing could not be read
    kExitNotSaved = 4,         // the drawing could not be saved, or its picture written
    kExitNoModule = 5,         // a module could not be loaded
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

// Every command name the Command prompt knows: the session's, the host's
// and the modules'.
std::vector<std::string> commandNames();

// Lets acedCommandS run module commands ("ZRIB"), as the host's command line does.
void makeModuleCommandsReachable();

// Runs one command typed at "Command: " (module, host or session command).
// False when it asks the session to end (QUIT).
bool runCommandLine(const std::string& line);

// Runs a host command (zoom, -layer, ...) typed at "Command: ", reading its
// words from the input; false when no host command has that name.
bool runHostCommandLine(const std::string& name);

// The drawing's files: the name it was opened or last saved under (a
// file-system name; empty for a new drawing), which SAVE and QSAVE write;
// the --save target written at exit; and the release to write in.
struct SaveTarget {
    std::optional<DxfVersion> version;
    std::string name;
    std::string atExit;
};
SaveTarget& saveTarget();

}  // namespace zcad

#pragma GCC visibility pop
