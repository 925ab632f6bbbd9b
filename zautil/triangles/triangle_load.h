// One triangle import under way: its options, layers, extents, the pace of
// its passes and the counts of its summary, and the four loaders that draw
// a UT file with them. A loader ends at the first failure with its
// message; what it drew stays, and no sequence is left open.
#pragma once

#include <cstdint>
#include <string>

#include "import/import_extents.h"
#include "import/import_progress.h"
#include "shell/entity_maker.h"
#include "triangles/triangle_layering.h"
#include "triangles/triangle_options.h"
#include "triangles/triangle_progress.h"

namespace zatriangles {

struct TriangleLoad {
    explicit TriangleLoad(const TriangleOptions& options, zaimport::MilliClock clock = zaimport::monotonicMilliseconds)
        : options(options), clock(clock), started(clock()), progress(clock) {}

    double elapsedSeconds() const { return static_cast<double>(clock() - started) * 0.001; }

    const TriangleOptions& options;
    zaimport::MilliClock clock;
    std::int64_t started;  // when the loader was chosen
    TriangleLayering layering;
    zaimport::ImportExtents extents;
    TriangleProgress progress;
    ZaEntityMaker maker;
    std::int64_t triangles = 0;  // records of the UT file, inactive ones too
    std::int64_t points = 0;     // of the UP file
    // Every triangle drawn: neither a failure nor a break ended the loader.
    bool readThrough = false;
};

// One polyface mesh, or several where the surface has more points or
// triangles than one mesh can number.
void loadMesh(TriangleLoad& load, const std::string& utPath);
// One SOLID or 3DFACE per active triangle, on the layers of the scheme the
// layer control preference chooses.
void loadSolids(TriangleLoad& load, const std::string& utPath);
void loadFaces(TriangleLoad& load, const std::string& utPath);
// Each triangle edge once, as a 3D polyline on the layer of its drainage class.
void loadCatchments(TriangleLoad& load, const std::string& utPath);

// Sets up the layering of solids and faces; false when the control file
// failed and nothing is to be drawn.
bool setUpLayering(TriangleLoad& load);

}  // namespace zatriangles
