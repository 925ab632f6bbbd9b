// The break key as the console sees it, beside what acedUsrBrk polls.
#pragma once

namespace zcad {

// Takes a pending Ctrl-C: true once for each.
bool takeBreak();
// Is one pending? Leaves it for whoever takes it.
bool breakWaiting();
// Waits until `fd` has input; false when the break key or the end of the
// session comes first (also just before the wait began).
bool waitForInput(int fd);
// Ctrl-C presses so far, taken or not: a command that ends with more than
// it started with was broken off, whether or not it looked.
int breaksSoFar();

}  // namespace zcad
