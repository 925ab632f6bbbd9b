// Catchment strings: every triangle edge once, as a two-point 3D polyline
// on the layer of its drainage class: the model's boundary, ridges,
// streams, slopes, diplines, and edges where one side or both lie flat.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "arx/acedads.h"
#include "files/decode_ahead.h"
#include "import/layer_colouring.h"
#include "shell/layer_create.h"
#include "shell/za_advice.h"
#include "triangles/surface_geometry.h"
#include "triangles/triangle_load.h"
#include "triangles/triangle_model.h"
#include "triangles/triangle_pull.h"
#include "triangles/ut_fault_text.h"
#include "triangles/ut_name.h"

namespace zatriangles {
namespace {

constexpr LoaderFamily kFamily = LoaderFamily::MeshOrCatchment;
// Layers the loader made, for colouring: "0" first.
constexpr std::size_t kListedLayers = 252;
constexpr ads_point kOrigin = {0, 0, 0};

// The drainage normals a triangle may still look back at. An edge is drawn
// from the later of its two triangles, so only the normals of the last
// `reach` records are ever wanted: a few rows of a surface stored row by
// row, whatever its size, and never more than every record.
class DrainageWindow {
public:
    // Triangle t meets triangle u < t across an edge.
    void widen(std::int64_t t, std::int64_t u) { reach_ = std::max(reach_, t - u); }
    void open() { normals_.assign(static_cast<std::size_t>(reach_ + 1), ZaPoint{}); }
    void set(std::int64_t t, const ZaPoint& normal) { normals_[slot(t)] = normal; }
    // Null when u is not among the records kept for t: further back than
    // any neighbour the prescan saw.
    const ZaPoint* find(std::int64_t t, std::int64_t u) const {
        return u < 0 || u > t || t - u > reach_ ? nullptr : &normals_[slot(u)];
    }

private:
    std::size_t slot(std::int64_t t) const { return static_cast<std::size_t>(t % (reach_ + 1)); }

    std::int64_t reach_ = 0;
    std::vector<ZaPoint> normals_;
};

class CatchmentStrings {
public:
    explicit CatchmentStrings(TriangleLoad& load);

    void run(const std::string& utPath);
    void report() const;

private:
    UTFault opened(const std::string& utPath);
    bool drawEdges(const UTTriangle& triangle, std::int64_t t, const ZaPoint& mt);
    bool drawEdge(EdgeClass edgeClass, const ZaPoint& from, const ZaPoint& to);
    void createLayer(std::string_view name);
    bool fail(const char* text);

    TriangleLoad& load_;
    TriangleModel model_;
    DrainageWindow drainage_;  // zero for inactive records
    std::vector<std::string> created_;
    std::array<bool, kEdgeClassCount> layerReady_{};
    std::array<int, kEdgeClassCount> counts_{};
    ZaEntityList header_;
    ZaEntityList vertex_;
    bool drawing_ = false;
};

CatchmentStrings::CatchmentStrings(TriangleLoad& load)
    : load_(load),
      header_(acutBuildList(RTDXF0, "POLYLINE", 8, "Boundary", 66, 1, 70, 8, 0)),
      vertex_(acutBuildList(RTDXF0, "VERTEX", 8, "Boundary", 10, kOrigin, 70, 32, 0)) {
    created_.reserve(kListedLayers);
    created_.emplace_back("0");
}

bool CatchmentStrings::fail(const char* text) {
    zaCancelSequence();
    zaAdviceMessage(text);
    return false;
}

void CatchmentStrings::createLayer(std::string_view name) {
    const ZaLayerMade made = zaEnsureLayer(std::string(name));
    if (made == ZaLayerMade::Refused) acutPrintf("error creating layer\n");
    if (made == ZaLayerMade::Added && created_.size() < kListedLayers) created_.emplace_back(name);
}

UTFault CatchmentStrings::opened(const std::string& utPath) {
    if (!isUTPath(utPath)) return UTFault::NotUT;
    if (!model_.openPoints(utPath) || !model_.readPoints()) return model_.fault();
    load_.points = model_.pointCount();
    acutPrintf("Loading %ld points\n", static_cast<long>(load_.points));
    if (!model_.openTriangles(utPath)) return model_.fault();
    load_.triangles = model_.triangleCount();
    acutPrintf("Loadng %ld triangles\n", static_cast<long>(load_.triangles));
    const bool checked = model_.prescan(true, [this](std::int64_t t, const UTTriangle& triangle) {
        if (!triangle.active()) return;
        for (int edge = 0; edge < 3; ++edge) {
            const std::int32_t across = triangle.neighbours[static_cast<std::size_t>(edge)];
            if (!triangle.boundary(edge) && across < t) drainage_.widen(t, across);
        }
    });
    if (!checked) return model_.fault();
    drainage_.open();
    return UTFault::None;
}

bool CatchmentStrings::drawEdge(EdgeClass edgeClass, const ZaPoint& from, const ZaPoint& to) {
    const auto index = static_cast<std::size_t>(edgeClass);
    const std::string_view layer = edgeClassLayer(edgeClass);
    if (!layerReady_[index]) {
        createLayer(layer);
        layerReady_[index] = true;
    }
    ++counts_[index];
    if (!header_.text(8, layer).make()) return fail("Cannot make POLYLINE\nZarvo_AutoCAD creation sequence fails\n");
    vertex_.text(8, layer);
    if (!vertex_.point(10, from).make() || !vertex_.point(10, to).make()) {
        return fail("Cannot make VERTEX\nZarvo_AutoCAD code error\n");
    }
    if (!load_.maker.seqend(layer)) return fail("Cannot make SEQEND\nZarvo_AutoCAD creation sequence fails\n");
    return true;
}

bool CatchmentStrings::drawEdges(const UTTriangle& triangle, std::int64_t t, const ZaPoint& mt) {
    for (int edge = 0; edge < 3; ++edge) {
        // Edge k runs from vertex k + 1 to vertex k + 2.
        const ZaPoint& from = model_.point(triangle.vertices[static_cast<std::size_t>((edge + 1) % 3)]);
        const ZaPoint& to = model_.point(triangle.vertices[static_cast<std::size_t>((edge + 2) % 3)]);
        if (triangle.boundary(edge)) {
            if (!drawEdge(EdgeClass::Boundary, from, to)) return false;
            continue;
        }
        // An edge between two triangles is drawn from the later of them.
        const std::int32_t across = triangle.neighbours[static_cast<std::size_t>(edge)];
        if (across >= t) continue;
        // Only a file changed since the prescan names a triangle out of reach.
        const ZaPoint* mu = drainage_.find(t, across);
        if (!mu) {
            reportUTFault(UTFault::BadNeighbour, kFamily);
            return false;
        }
        const double shortest = edge == 1 ? 0.0001 : 0.001;
        const EdgeClass edgeClass = classifyEdge(from, to, mt, *mu, shortest);
        if (!drawEdge(edgeClass, from, to)) return false;
    }
    return true;
}

void CatchmentStrings::run(const std::string& utPath) {
    if (const UTFault fault = opened(utPath); fault != UTFault::None) return reportUTFault(fault, kFamily);
    drawing_ = true;
    createLayer("Boundary");
    layerReady_[static_cast<std::size_t>(EdgeClass::Boundary)] = true;
    load_.progress.startPass("\nTriangles: %lld \n", true);
    const auto bytes = static_cast<std::uint64_t>(load_.triangles) * kUTRecordSize;
    zafiles::PullAhead<TrianglePull> pulls([this](TrianglePull& pull) { return pullTriangle(model_, pull); },
                                           zafiles::worthDecodingAhead(bytes));
    for (std::int64_t t = 0; t < load_.triangles; ++t) {
        if (load_.progress.cancelledAt(t)) return;
        const TrianglePull* pull = pulls.next();
        if (!pull->got) return reportUTFault(UTFault::ShortUT, kFamily);
        if (!pull->triangle.active()) {
            drainage_.set(t, {});
            continue;
        }
        // The file is read again: it must still be the file the prescan checked.
        if (!pull->inRange) return reportUTFault(UTFault::BadVertex, kFamily);
        const ZaPoint mt = drainageNormal(pull->normal);
        drainage_.set(t, mt);
        if (!drawEdges(pull->triangle, t, mt)) return;
    }
    load_.readThrough = true;
}

void CatchmentStrings::report() const {
    if (!drawing_) return;
    if (load_.options.colourLayers) zaimport::colourLayersInTurn(created_);
    const auto count = [this](EdgeClass c) { return counts_[static_cast<std::size_t>(c)]; };
    acutPrintf("\nNumber of Streams %d and Ridges %d and Slopes %d and\nNumber of Flats %d and Edges %d and Diplines %d\n",
               count(EdgeClass::Stream), count(EdgeClass::Ridge), count(EdgeClass::Slope), count(EdgeClass::Flat),
               count(EdgeClass::Edge), count(EdgeClass::Dipline));
    acutPrintf("Total Triangles: %d in %.2f seconds\n", static_cast<int>(load_.triangles), load_.elapsedSeconds());
}

}  // namespace

void loadCatchments(TriangleLoad& load, const std::string& utPath) {
    acutPrintf("Loading \"%s\" as catchment Strings.\n", utPath.c_str());
    CatchmentStrings strings(load);
    strings.run(utPath);
    strings.report();
}

}  // namespace zatriangles
