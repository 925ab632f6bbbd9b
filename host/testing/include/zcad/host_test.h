// Seams for tests: fault injection, user breaks, and whole sessions run
// from C++ with an input queue and captured output. Tests get this header
// by linking zhost_testing; libzhost.so exports these for them, and no
// public header declares them.
#pragma once

#include <string>
#include <vector>

#pragma GCC visibility push(default)

namespace zcad::test {

// Makes the n-th (1-based) acdbEntMake call from now that carries a list
// return RTERROR; 0 disarms. Calls with no list are not counted.
void failEntityMakeAt(int n);
int entityMakeCalls();  // calls with a list since the last arm

// Is a POLYLINE (or INSERT with attributes) sequence open in acdbEntMake?
bool sequenceOpen();

// acedUsrBrk reports a break from its n-th poll on (1-based); 0 disarms.
void breakAfterPolls(int n);

// acedGrDraw calls as recorded: from, to, colour, highlight.
struct Vector { double from[3]; double to[3]; int colour; int highlight; };
const std::vector<Vector>& drawnVectors();

// Resource handles pushed and not yet popped on the document manager.
int resourceDepth();

// A new session: every piece of session state made afresh (a new empty
// drawing, no input, no armed faults, nothing left by prompts, selections
// or host commands, the save target and writer count as at start-up).
// Loaded modules stay loaded, and output goes where it went.
void resetHost();

// Runs the command loop over the lines (then input ends) and returns what
// was printed.
std::string runCommands(const std::vector<std::string>& lines);

}  // namespace zcad::test

#pragma GCC visibility pop
