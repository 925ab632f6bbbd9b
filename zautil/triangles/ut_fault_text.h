// What the user is shown when a triangle model is refused: each loader has
// always worded the same failure its own way.
#pragma once

#include "triangles/triangle_model.h"

namespace zatriangles {

enum class LoaderFamily { Faces, Solids, MeshOrCatchment };

// The advice text; empty for UTFault::None.
const char* utFaultText(UTFault fault, LoaderFamily family);

// A blank line, then the advice.
void reportUTFault(UTFault fault, LoaderFamily family);

}  // namespace zatriangles
