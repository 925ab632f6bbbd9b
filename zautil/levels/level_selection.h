// The selection of the level tools: asked again while the user selects
// nothing, each ask after its prompt.
#pragma once

#include "drawing/drawing_fault.h"
#include "drawing/selection.h"

namespace zalevels {

// False when the command must end, its fault said in `texts`. A set of
// nothing prints `empty` and asks again.
bool chooseSomething(zadrawing::Selection& selection, const char* prompt, const char* empty,
                     const zadrawing::DrawingTexts& texts);

// Says the fault in the command's words when it has some.
void sayFault(zadrawing::DrawingFault fault, const zadrawing::DrawingTexts& texts);

}  // namespace zalevels
