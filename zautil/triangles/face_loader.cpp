// Solids and 3D faces: one entity per active triangle, each on the layer
// its paint number, slope or aspect gives.
#include <array>

#include "arx/acedads.h"
#include "files/decode_ahead.h"
#include "shell/za_advice.h"
#include "triangles/triangle_load.h"
#include "triangles/triangle_model.h"
#include "triangles/triangle_pull.h"
#include "triangles/ut_fault_text.h"
#include "triangles/ut_name.h"

namespace zatriangles {
namespace {

// The invisible edges of a face: its corners are P1, P2, P3, P3, so its
// edges are triangle edges 2, 0 and 1 with the empty edge P3-P3 between.
short invisibleEdges(EdgeDisplay display, const UTTriangle& triangle) {
    if (display == EdgeDisplay::All) return 0;
    if (display == EdgeDisplay::None) return 15;
    short flags = 4;
    if (!triangle.breakline(2)) flags |= 1;
    if (!triangle.breakline(0)) flags |= 2;
    if (!triangle.breakline(1)) flags |= 8;
    return flags;
}

struct Drawing {
    bool faces;
    LoaderFamily family;
    const char* failure;
};

constexpr Drawing kFaces{true, LoaderFamily::Faces, "Cannot make 3DFACE\nZarvo_AutoCAD code error"};
constexpr Drawing kSolids{false, LoaderFamily::Solids, "Cannot make SOLID\nZarvo_AutoCAD UT file open error\n"};

UTFault opened(TriangleModel& model, TriangleLoad& load, const std::string& utPath) {
    if (!isUTPath(utPath)) return UTFault::NotUT;
    if (!model.openPoints(utPath) || !model.readPoints()) return model.fault();
    load.points = model.pointCount();
    acutPrintf("%ld points", static_cast<long>(load.points));
    if (!model.openTriangles(utPath)) return model.fault();
    load.triangles = model.triangleCount();
    acutPrintf(", %ld triangles\n", static_cast<long>(load.triangles));
    return UTFault::None;
}

void draw(TriangleLoad& load, const std::string& utPath, const Drawing& drawing) {
    TriangleModel model;
    if (const UTFault fault = opened(model, load, utPath); fault != UTFault::None) {
        return reportUTFault(fault, drawing.family);
    }
    load.progress.startPass("Triangles: %lld \n", true);
    const auto bytes = static_cast<std::uint64_t>(load.triangles) * kUTRecordSize;
    zafiles::PullAhead<TrianglePull> pulls([&model](TrianglePull& pull) { return pullTriangle(model, pull); },
                                       zafiles::worthDecodingAhead(bytes));
    std::array<ZaPoint, 4> corners;
    for (std::int64_t t = 0; t < load.triangles; ++t) {
        if (load.progress.cancelledAt(t)) return;
        const TrianglePull* pull = pulls.next();
        if (!pull->got) return reportUTFault(UTFault::ShortUT, drawing.family);
        const UTTriangle& triangle = pull->triangle;
        if (!triangle.active()) continue;
        if (!pull->inRange) return reportUTFault(UTFault::BadVertex, drawing.family);
        for (std::size_t k = 0; k < 3; ++k) {
            corners[k] = pull->corners[k];
            load.extents.take(corners[k][0], corners[k][1]);
        }
        const std::string& layer = load.layering.layerOf(triangle, pull->normal);
        bool made = false;
        if (drawing.faces) {
            corners[3] = corners[2];
            made = load.maker.face(corners, layer, invisibleEdges(load.options.edges, triangle));
        } else {
            for (std::size_t k = 0; k < 3; ++k) corners[k][2] = 0;
            corners[3] = corners[2];
            made = load.maker.solid(corners, layer);
        }
        if (!made) return zaAdviceMessage(drawing.failure);
    }
    load.readThrough = true;
}

const char* edgesOption(EdgeDisplay display) {
    if (display == EdgeDisplay::All) return "All edges";
    if (display == EdgeDisplay::None) return "None";
    return "Breaklines";
}

}  // namespace

void loadSolids(TriangleLoad& load, const std::string& utPath) {
    if (!setUpLayering(load)) return;
    acutPrintf("Loading \"%s\" as SOLIDs.\n", utPath.c_str());
    draw(load, utPath, kSolids);
}

void loadFaces(TriangleLoad& load, const std::string& utPath) {
    if (!setUpLayering(load)) {
        acutPrintf("Layer control file failed  \n");
        return;
    }
    acutPrintf("Layer control file okay \n");
    if (!load.layering.readControlFile()) acutPrintf("Use slope to control layer  \n");
    acutPrintf("\nLoading <%s> as 3DFACEs.\n", utPath.c_str());
    acutPrintf("Edges option %s \n", edgesOption(load.options.edges));
    const bool byPaint = load.layering.scheme() == LayerScheme::Paint;
    acutPrintf("Colours %s \n", byPaint ? "from Meshtint in Zarvo" : " use file lookup");
    draw(load, utPath, kFaces);
}

}  // namespace zatriangles
