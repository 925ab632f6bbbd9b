// A UT file drawn once the user has chosen it and the method: the triangle
// layer file, the loader, the colours, the view, the current job and the
// summary.
#pragma once

#include <string>

#include "import/import_progress.h"
#include "triangles/triangle_options.h"

namespace zatriangles {

void importTriangles(const TriangleOptions& options, const std::string& utPath,
                     zaimport::MilliClock clock = zaimport::monotonicMilliseconds);

}  // namespace zatriangles
