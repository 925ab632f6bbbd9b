// The options of one UTIN run, as the settings give them when it starts.
#pragma once

#include <string>

#include "triangles/ut_format.h"

struct ZaSettings;

namespace zatriangles {

enum class ImportMethod { Mesh = 0, Solids = 1, Faces = 2, Catchment = 3 };

// Which triangle edges the mesh and the faces show.
enum class EdgeDisplay { Breaklines = 0, All = 1, None = 2, BoundariesStreamsRidges = 3 };

struct TriangleOptions {
    ImportMethod method = ImportMethod::Mesh;
    EdgeDisplay edges = EdgeDisplay::Breaklines;
    int ctlPreference = 0;
    std::string ctlPath;
    bool useTriangleLayerFile = true;
    bool useDefaults = false;
    bool useDialogs = true;
    bool colourLayers = true;
    bool saveCurrentJob = false;
};

// A stored value outside the known ones is taken as the first.
ImportMethod importMethodOf(int stored);
EdgeDisplay edgeDisplayOf(int stored);

TriangleOptions triangleOptions(const ZaSettings& settings);

// Breaklines shown alone unless every edge or none is.
inline bool edgeShown(EdgeDisplay display, const UTTriangle& triangle, int edge) {
    if (display == EdgeDisplay::None) return false;
    return display == EdgeDisplay::All || triangle.breakline(edge);
}

}  // namespace zatriangles
