// The polyface mesh: the surface's points as its vertices and its active
// triangles as its faces. A mesh numbers its vertices and counts its faces
// in 16 bits, so a surface of more than 32,767 points or triangles is drawn
// as several meshes, each holding the points its own faces use.
#include <array>
#include <vector>

#include "arx/acedads.h"
#include "shell/za_advice.h"
#include "triangles/triangle_load.h"
#include "triangles/triangle_model.h"
#include "triangles/ut_fault_text.h"
#include "triangles/ut_name.h"

namespace zatriangles {
namespace {

constexpr int kLimit = ZaEntityMaker::kPolyfaceLimit;
constexpr LoaderFamily kFamily = LoaderFamily::MeshOrCatchment;

// Vertex k of a triangle starts the edge (k + 2) % 3: vertex 1 edge 3,
// vertex 2 edge 1, vertex 3 edge 2.
int faceNumber(int meshVertex, EdgeDisplay display, const UTTriangle& triangle, int k) {
    return edgeShown(display, triangle, (k + 2) % 3) ? meshVertex : -meshVertex;
}

bool failed(const char* text) {
    zaCancelSequence();
    zaAdviceMessage(text);
    return false;
}

// A break drops the mesh being made: a mesh short of its vertices or
// faces would be a wrong one.
bool dropped() {
    zaCancelSequence();
    return false;
}

bool failed(UTFault fault) {
    zaCancelSequence();
    reportUTFault(fault, kFamily);
    return false;
}

bool opened(TriangleModel& model, TriangleLoad& load, const std::string& utPath) {
    if (!isUTPath(utPath)) return failed(UTFault::NotUT);
    if (!model.openPoints(utPath)) return failed(model.fault());
    load.points = model.pointCount();
    acutPrintf("%ld points", static_cast<long>(load.points));
    if (!model.openTriangles(utPath)) return failed(model.fault());
    load.triangles = model.triangleCount();
    acutPrintf(", %ld triangles", static_cast<long>(load.triangles));
    if (!model.prescan(false, {})) return failed(model.fault());
    acutPrintf(", %ld active triangles\n", static_cast<long>(model.activeCount()));
    return true;
}

// One mesh of every point in file order; the points come straight from
// the UP file.
bool drawWhole(TriangleModel& model, TriangleLoad& load) {
    ZaEntityMaker& maker = load.maker;
    if (!maker.polyfaceHeader(static_cast<int>(load.points), static_cast<int>(model.activeCount()), "Mesh")) {
        return failed("Cannot make POLYLINE\nZarvo_AutoCAD code error\n");
    }
    load.progress.startPass("Points: %lld \n", false);
    ZaPoint point;
    for (std::int64_t i = 0; i < load.points; ++i) {
        if (load.progress.cancelledAt(i)) return dropped();
        if (!model.nextPoint(point)) return failed(model.fault());
        load.extents.take(point[0], point[1]);
        if (!maker.polyfaceVertex(point, "Points")) return failed("Cannot make PtVERTEX\nZarvo_AutoCAD code error\n");
    }
    acutPrintf("Total Points: %d  in %.2f seconds\n", static_cast<int>(load.points), load.elapsedSeconds());

    load.progress.startPass("Triangles: %lld \n", true);
    UTTriangle triangle;
    std::array<int, 3> face{};
    for (std::int64_t t = 0; t < load.triangles; ++t) {
        if (load.progress.cancelledAt(t)) return dropped();
        if (!model.nextTriangle(triangle)) return failed(model.fault());
        if (!triangle.active()) continue;
        if (!model.checkVertices(triangle)) return failed(model.fault());
        for (int k = 0; k < 3; ++k) {
            const int meshVertex = triangle.vertices[static_cast<std::size_t>(k)] - 2;
            face[static_cast<std::size_t>(k)] = faceNumber(meshVertex, load.options.edges, triangle, k);
        }
        if (!maker.polyfaceFace(face, "points")) return failed("Cannot make TriVERTEX\nZarvo_AutoCAD code error\n");
    }
    acutPrintf("Total Triangles: %d  in %.2f seconds Wait a bit\n", static_cast<int>(load.triangles),
               load.elapsedSeconds());
    return maker.seqend("0") || failed("Cannot make SEQEND\nZarvo_AutoCAD creation sequence fails\n");
}

// Meshes of at most kLimit vertices and faces, each closed over its own
// vertices, filled from the triangles in file order.
class MeshPieces {
public:
    MeshPieces(TriangleModel& model, TriangleLoad& load)
        : model_(model), load_(load), meshVertex_(static_cast<std::size_t>(model.records()), 0) {}

    // False when the triangle cannot be added: the host refused a mesh.
    bool add(const UTTriangle& triangle) {
        int fresh = 0;
        for (const std::int32_t v : triangle.vertices) fresh += meshVertex_[static_cast<std::size_t>(v)] == 0 ? 1 : 0;
        if ((used_.size() + static_cast<std::size_t>(fresh) > kLimit || faces_.size() == kLimit) && !flush()) {
            return false;
        }
        std::array<int, 3> face{};
        for (int k = 0; k < 3; ++k) {
            const std::int32_t v = triangle.vertices[static_cast<std::size_t>(k)];
            int& number = meshVertex_[static_cast<std::size_t>(v)];
            if (number == 0) {
                used_.push_back(v);
                number = static_cast<int>(used_.size());
            }
            face[static_cast<std::size_t>(k)] = faceNumber(number, load_.options.edges, triangle, k);
        }
        faces_.push_back(face);
        return true;
    }

    // Draws the mesh being filled, if it has a face.
    bool flush() {
        if (faces_.empty()) return true;
        const bool drawn = draw();
        for (const std::int32_t v : used_) meshVertex_[static_cast<std::size_t>(v)] = 0;
        used_.clear();
        faces_.clear();
        meshes_ += drawn ? 1 : 0;
        return drawn;
    }

    int meshes() const { return meshes_; }

private:
    bool draw() {
        ZaEntityMaker& maker = load_.maker;
        if (!maker.polyfaceHeader(static_cast<int>(used_.size()), static_cast<int>(faces_.size()), "Mesh")) {
            return failed("Cannot make POLYLINE\nZarvo_AutoCAD code error\n");
        }
        for (const std::int32_t v : used_) {
            const ZaPoint& point = model_.point(v);
            load_.extents.take(point[0], point[1]);
            if (!maker.polyfaceVertex(point, "Points")) return failed("Cannot make PtVERTEX\nZarvo_AutoCAD code error\n");
        }
        for (const auto& face : faces_) {
            if (!maker.polyfaceFace(face, "points")) return failed("Cannot make TriVERTEX\nZarvo_AutoCAD code error\n");
        }
        return maker.seqend("0") || failed("Cannot make SEQEND\nZarvo_AutoCAD creation sequence fails\n");
    }

    TriangleModel& model_;
    TriangleLoad& load_;
    std::vector<int> meshVertex_;  // by point number: its number in the mesh being filled, 0 when not in it
    std::vector<std::int32_t> used_;
    std::vector<std::array<int, 3>> faces_;
    int meshes_ = 0;
};

bool drawInPieces(TriangleModel& model, TriangleLoad& load) {
    acutPrintf("More than %d points or triangles: the surface is drawn as several meshes\n", kLimit);
    if (!model.readPoints()) return failed(model.fault());
    MeshPieces pieces(model, load);
    load.progress.startPass("Triangles: %lld \n", true);
    UTTriangle triangle;
    for (std::int64_t t = 0; t < load.triangles; ++t) {
        // A break keeps the meshes already drawn, each whole.
        if (load.progress.cancelledAt(t)) return false;
        if (!model.nextTriangle(triangle)) return failed(model.fault());
        if (!triangle.active()) continue;
        if (!model.checkVertices(triangle)) return failed(model.fault());
        if (!pieces.add(triangle)) return false;
    }
    if (!pieces.flush()) return false;
    acutPrintf("Total Triangles: %d  in %.2f seconds in %d meshes\n", static_cast<int>(load.triangles),
               load.elapsedSeconds(), pieces.meshes());
    return true;
}

}  // namespace

void loadMesh(TriangleLoad& load, const std::string& utPath) {
    acutPrintf("Loading \"%s\" as polyface mesh.\n", utPath.c_str());
    load.layering.useMesh();
    TriangleModel model;
    if (opened(model, load, utPath)) {
        const bool fits = load.points <= kLimit && model.activeCount() <= kLimit;
        load.readThrough = fits ? drawWhole(model, load) : drawInPieces(model, load);
    }
    acutPrintf("Time is %.2f seconds\n", load.elapsedSeconds());
}

}  // namespace zatriangles
