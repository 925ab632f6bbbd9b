// Result buffers come from a pool: lists are built and released by the
// million on the import paths, and a heap allocation per node cost more
// than the rest of the node's life.
#pragma once

#include "arx/adsdef.h"

namespace zcad {

// A zeroed node, or null when memory is out.
resbuf* takeResbuf();
// Gives back one node taken with takeResbuf.
void giveResbuf(resbuf* rb);

}  // namespace zcad
