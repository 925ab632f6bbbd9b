// Polylines, old-style and lightweight: a string of their vertices, with
// each bulged segment broken into points when arcs are broken up.
#include <algorithm>

#include "arx/acedads.h"
#include "shell/za_advice.h"
#include "strings/entity_groups.h"
#include "strings/xyz_export.h"

namespace zastrings {
namespace {

constexpr long kClosed = 1;
constexpr long kSplineFit = 4;
constexpr long k3DPolyline = 8;
constexpr long kPolygonMesh = 16;
constexpr long kPolyfaceMesh = 64;

bool fail(const char* message) {
    zaAdviceMessage(message);
    return false;
}

}  // namespace

bool XYZExport::DoPOLYLINE(const resbuf* list) {
    const resbuf* name = findGroup(list, -1);
    if (!name) return fail("Selection error ... Cannot get ename\nZarvo_AutoCAD user error");
    const auto layer = groupText(list, 8);
    if (!layer) return fail("Selection error ... Cannot get entity layer\nZarvo_AutoCAD user error");
    // Drawings leave out a group at its default: no flags are flags 0.
    const long flags = groupInteger(list, 70).value_or(0);
    if (flags & kPolygonMesh) {
        return fail("Selection error ... Entity is a polygon mesh\nZarvo_AutoCAD unsupported element\n");
    }
    if (flags & kPolyfaceMesh) {
        return fail("Selection error ... Entity is a polyface mesh\nZarvo_AutoCAD unsupported element\n");
    }
    if (flags & kSplineFit) return fail("Spline vertices are not supported\nZarvo_AutoCAD unsupported element\n");
    const bool closed = (flags & kClosed) != 0;
    // A 3D polyline's vertices are in the world; a 2D one's in its own system.
    if (flags & k3DPolyline) {
        transform_.fromWorld();
    } else {
        const resbuf* extrusion = findGroup(list, 210);
        transform_.fromExtrusion(extrusion ? extrusion->resval.rpoint : nullptr);
    }
    if (!newString()) return false;
    setLayer(*layer);
    const auto type = groupText(list, 0);
    if (type && *type == "LWPOLYLINE") return lightweightVertices(list, closed);
    return oldStyleVertices(name, closed);
}

bool XYZExport::oldStyleVertices(const resbuf* header, bool closed) {
    ads_name current;
    ads_name_set(header->resval.rlname, current);
    Vertex held;
    bool holding = false;
    ZaPoint first{};
    for (ads_name next; acdbEntNext(current, next) == RTNORM; ads_name_set(next, current)) {
        resbuf* list = acdbEntGet(next);
        if (!list) return fail("Cannot get entity data\nZarvo_AutoCAD access problem\n\n");
        const auto type = groupText(list, 0);
        if (!type || *type != "VERTEX") {
            acutRelRb(list);
            break;
        }
        const auto point = groupPoint(list, 10);
        const double bulge = groupReal(list, 42).value_or(0.0);
        acutRelRb(list);
        if (!point) return fail("No point in vertex\nZarvo_AutoCAD user error\nLeaving DoPOLYLINE(..) with FALSE\n");
        // A vertex is written once the next one, where its arc ends, is known.
        if (holding && !writeVertex(held, &*point, "pl", "pl")) return false;
        if (!holding) first = *point;
        held = {*point, bulge};
        holding = true;
    }
    if (!holding) return true;
    // Only a closed polyline has a segment from its last vertex to its first.
    if (!writeVertex(held, closed ? &first : nullptr, "pl", "pl")) return false;
    return !closed || writeLevelled(stringNumber_, first, "pc");
}

bool XYZExport::lightweightVertices(const resbuf* list, bool closed) {
    const auto count = groupInteger(list, 90);
    if (!count) return fail("Too many vertices in light weight polyline\nZarvo_AutoCAD arbitary size restriction\n");
    const double elevation = groupReal(list, 38).value_or(0.0);
    // A bulge belongs to the vertex before it; writers leave out a zero
    // one, so it is read from the vertex's own groups, not counted.
    vertices_.clear();
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == 10) vertices_.push_back({{rb->resval.rpoint[0], rb->resval.rpoint[1], elevation}, 0.0});
        if (rb->restype == 42 && !vertices_.empty()) vertices_.back().bulge = rb->resval.rreal;
    }
    const std::size_t n = static_cast<std::size_t>(std::max(*count, 0L));
    if (vertices_.size() < n) {
        return fail("Vertex for light polyline does not exist\nZarvo_AutoCAD vertex error in polyline\n");
    }
    for (std::size_t i = 0; i < n;) {
        const bool last = i + 1 == n;
        const Vertex& vertex = vertices_[i];
        const ZaPoint* next = !last ? &vertices_[i + 1].point : closed ? &vertices_[0].point : nullptr;
        bool arc = false;
        if (!writeVertex(vertex, next, "pc", "lw", &arc)) return false;
        // An arc's last point stands for the straight vertex it ends on.
        i += arc && !last && vertices_[i + 1].bulge == 0 ? 2 : 1;
    }
    return n == 0 || !closed || writeLevelled(stringNumber_, vertices_[0].point, "pp");
}

bool XYZExport::writeVertex(const Vertex& vertex, const ZaPoint* next, std::string_view tag, std::string_view arcTag,
                            bool* wroteArc) {
    if (vertex.bulge == 0 || !next || !breakupOn()) return writeLevelled(stringNumber_, vertex.point, tag);
    const auto arc = zaBulgeArc(vertex.point, *next, vertex.bulge);
    if (!arc) return writeLevelled(stringNumber_, vertex.point, tag);
    if (wroteArc) *wroteArc = true;
    // The arc has a level only where both its ends have one.
    const bool level = transform_(vertex.point)[2] > kNoLevel && transform_(*next)[2] > kNoLevel;
    return writeArc(*arc, arcTag, level);
}

}  // namespace zastrings
