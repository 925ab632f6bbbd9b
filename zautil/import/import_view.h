// The end of an import: points shown as crosses, and the view on what was
// read, with the extents printed as each command prints them.
#pragma once

#include "import/import_extents.h"

namespace zaimport {

struct ExtentsReport {
    const char* east;   // printf format given minimum and maximum x
    const char* north;  // given minimum and maximum y
    bool beforeZoom;    // printed before the zoom, else after it
};

// A window round the extents when they have an area, with the report; else
// the drawing's extents, without one.
void zoomToImport(const ImportExtents& extents, const ExtentsReport& report);

void showPointsAsCrosses();

}  // namespace zaimport
