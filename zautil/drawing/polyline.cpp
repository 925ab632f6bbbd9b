#include "drawing/polyline.h"

#include "arx/acedads.h"
#include "drawing/entity_list.h"
#include "drawing/groups.h"

namespace zadrawing {

namespace {

DrawingFault refusedShape(long flags, const PolylineRules& rules) {
    if (rules.refuseMeshes && (flags & kPolygonMesh)) return DrawingFault::PolygonMesh;
    if (rules.refuseMeshes && (flags & kPolyfaceMesh)) return DrawingFault::PolyfaceMesh;
    if (rules.refuseClosed && (flags & kPolylineClosed)) return DrawingFault::Closed;
    if (rules.refuseSplineFit && (flags & kPolylineSplineFit)) return DrawingFault::SplineFit;
    return DrawingFault::None;
}

}  // namespace

DrawingFault Polyline::read(const ads_name entity, const resbuf* list, const PolylineRules& rules) {
    vertices_.clear();
    const std::string_view type = entityType(list);
    if (type != "POLYLINE" && type != "LWPOLYLINE") return DrawingFault::NotPolyline;
    lightweight_ = type == "LWPOLYLINE";
    flags_ = flagsOf(list);
    extrusion_ = extrusionOf(list);
    if (const DrawingFault refused = refusedShape(flags_, rules); refused != DrawingFault::None) return refused;
    if (lightweight_) return readLightweight(list, rules.mostVertices);
    return readVertexEntities(entity, list, rules.mostVertices);
}

// The count is group 90. A vertex is a group 10 at the elevation; the bulge
// and widths after it are its own (writers leave out a zero bulge, so they
// are not counted apart). Groups after the counted vertices are no part.
DrawingFault Polyline::readLightweight(const resbuf* list, std::size_t most) {
    const auto count = groupInteger(list, 90);
    if (!count) return DrawingFault::NoVertexCount;
    if (*count > 0 && static_cast<unsigned long>(*count) > most) return DrawingFault::TooManyVertices;
    const std::size_t wanted = *count > 0 ? static_cast<std::size_t>(*count) : 0;
    const double elevation = elevationOf(list);
    const double width = groupReal(list, 43).value_or(0.0);
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == 10) {
            if (vertices_.size() == wanted) break;
            const double* p = rb->resval.rpoint;
            vertices_.push_back({{p[0], p[1], elevation}, 0, width, width, 0});
        } else if (!vertices_.empty()) {
            PolylineVertex& vertex = vertices_.back();
            if (rb->restype == 42) vertex.bulge = rb->resval.rreal;
            if (rb->restype == 40) vertex.startWidth = rb->resval.rreal;
            if (rb->restype == 41) vertex.endWidth = rb->resval.rreal;
        }
    }
    return vertices_.size() == wanted ? DrawingFault::None : DrawingFault::VertexMissing;
}

// The VERTEX entities after the header, up to the first entity that is
// none (its SEQEND) or the most the command reads. A vertex's widths left
// out are the header's.
DrawingFault Polyline::readVertexEntities(const ads_name entity, const resbuf* header, std::size_t most) {
    const double startWidth = groupReal(header, 40).value_or(0.0);
    const double endWidth = groupReal(header, 41).value_or(0.0);
    ads_name at;
    ads_name_set(entity, at);
    ads_name next;
    while (vertices_.size() < most && acdbEntNext(at, next) == RTNORM) {
        const EntityList vertex = readEntity(next);
        if (!vertex) return DrawingFault::NoVertexList;
        const std::string_view type = entityType(vertex.get());
        if (type.empty()) return DrawingFault::NoVertexType;
        if (type != "VERTEX") break;
        const auto point = groupPoint(vertex.get(), 10);
        if (!point) return DrawingFault::NoVertexPoint;
        vertices_.push_back({*point, groupReal(vertex.get(), 42).value_or(0.0),
                             groupReal(vertex.get(), 40).value_or(startWidth),
                             groupReal(vertex.get(), 41).value_or(endWidth), flagsOf(vertex.get())});
        ads_name_set(next, at);
    }
    return DrawingFault::None;
}

ObjectSystem Polyline::system(TargetSystem target) const {
    ObjectSystem system(target);
    if (lightweight_ || !(flags_ & (kPolyline3D | kPolygonMesh | kPolyfaceMesh))) system.fromExtrusion(extrusion_);
    return system;
}

}  // namespace zadrawing
