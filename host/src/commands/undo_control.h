// How much the session keeps for U and UNDO: UNDO Control, or zcad's
// --no-undo for batch runs that never take anything back. Session state,
// so it outlives OPEN.
#pragma once

#include <cstddef>
#include <string_view>

namespace zcad::commands {

enum class UndoControl { All, One, None };

UndoControl undoControl();
void setUndoControl(UndoControl control);
// The steps a journal keeps under the control (0: no limit).
std::size_t undoLimit(UndoControl control);

// U, UNDO and REDO work on the journal from outside any step.
bool isUndoCommand(std::string_view name);  // upper case

}  // namespace zcad::commands
