#include "triangles/triangle_import.h"

#include "arx/acedads.h"
#include "import/import_progress.h"
#include "import/import_view.h"
#include "settings/current_job.h"
#include "triangles/triangle_layer_file.h"
#include "triangles/triangle_load.h"

namespace zatriangles {
namespace {

constexpr zaimport::ExtentsReport kExtents{"\nEast  %13.3f   %13.3f\n", "\nNorth %13.3f   %13.3f\n\n", false};

void runLoader(TriangleLoad& load, const std::string& utPath) {
    switch (load.options.method) {
    case ImportMethod::Mesh:
        acutPrintf("Load triangles as a Polyface Mesh \n");
        return loadMesh(load, utPath);
    case ImportMethod::Solids:
        acutPrintf("Load triangles as a 2D Solid \n");
        return loadSolids(load, utPath);
    case ImportMethod::Faces:
        acutPrintf("Load triangles as 3D Faces\n");
        return loadFaces(load, utPath);
    case ImportMethod::Catchment:
        acutPrintf("Load triangles as a Catchment Strings \n");
        return loadCatchments(load, utPath);
    }
}

// The view on the surface, shaded; the drawing's extents when it has no area.
void showSurface(const zaimport::ImportExtents& extents) {
    zaimport::zoomToImport(extents, kExtents);
    if (!extents.hasArea()) return;
    acedCommandS(RTSTR, "-shademode", RTSTR, "O", RTNONE);
    acedCommandS(RTSTR, "shade", RTNONE);
}

}  // namespace

void importTriangles(const TriangleOptions& options, const std::string& utPath, zaimport::MilliClock clock) {
    acutPrintf("\nTriangle layer \n");
    if (options.useTriangleLayerFile) {
        const std::string path = triangleLayerPath();
        loadTriangleLayerFile(path);
        acutPrintf("\nTriangle layer \"%s\" \n", path.c_str());
    }
    TriangleLoad load(options, clock);
    runLoader(load, utPath);

    acutPrintf("\nUpdate layers with colours\n");
    if (options.colourLayers) load.layering.colourMarkedSlots();
    showSurface(load.extents);
    acutPrintf("\n");
    // A file that was not read through has said why; it is neither
    // completed nor the job to carry on with.
    if (!load.readThrough) return;
    if (options.saveCurrentJob) zaSetCurrentJob(utPath);

    const double seconds = load.elapsedSeconds();
    acutPrintf("\nUTIN Completed in %0.2f seconds for %d triangles and %d points \n", seconds,
               static_cast<int>(load.triangles), static_cast<int>(load.points));
    if (const auto rate = zaimport::importRate(load.triangles, seconds, 1.0)) {
        acutPrintf("At %d triangles per second\n", static_cast<int>(*rate));
    }
}

}  // namespace zatriangles
