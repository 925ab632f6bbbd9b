#include "triangles/triangle_options.h"

#include "settings/settings_record.h"

namespace zatriangles {

ImportMethod importMethodOf(int stored) {
    return stored >= 0 && stored <= 3 ? static_cast<ImportMethod>(stored) : ImportMethod::Mesh;
}

EdgeDisplay edgeDisplayOf(int stored) {
    return stored >= 0 && stored <= 3 ? static_cast<EdgeDisplay>(stored) : EdgeDisplay::Breaklines;
}

TriangleOptions triangleOptions(const ZaSettings& s) {
    TriangleOptions options;
    options.method = importMethodOf(s.utMethod);
    options.edges = edgeDisplayOf(s.utEdges);
    options.ctlPreference = s.ctlPreference;
    options.ctlPath = s.ctlPath;
    options.useDefaults = s.utUseDefaults;
    options.useDialogs = s.useDialogs;
    options.colourLayers = s.colourLayers;
    options.saveCurrentJob = s.saveJobUTIN;
    return options;
}

}  // namespace zatriangles
