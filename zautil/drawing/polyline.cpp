#include "drawing/polyline.h"

#include <cmath>
#include <optional>

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
    if (lightweight_) return readLightweight(list, rules);
    flags_ = flagsOf(list);
    extrusion_ = extrusionOf(list);
    if (const DrawingFault refused = refusedShape(flags_, rules); refused != DrawingFault::None) return refused;
    return readVertexEntities(entity, list, rules.mostVertices);
}

// One pass over the list, wherever its groups stand: the count is group 90,
// a vertex is a group 10 at the elevation (38), and the bulge and widths
// after it are its own (writers leave out a zero bulge, so they are not
// counted apart); a width left out is the constant one (43). Vertices past
// the count are no part.
DrawingFault Polyline::readLightweight(const resbuf* list, const PolylineRules& rules) {
    constexpr double kNoWidth = std::numeric_limits<double>::quiet_NaN();
    flags_ = 0;
    extrusion_ = {0, 0, 1};
    std::optional<long> count;
    double elevation = 0;
    double width = 0;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        const double* p = rb->resval.rpoint;
        switch (rb->restype) {
        case 10: vertices_.push_back({{p[0], p[1], 0}, 0, kNoWidth, kNoWidth, 0}); break;
        case 38: elevation = rb->resval.rreal; break;
        case 43: width = rb->resval.rreal; break;
        case 70: flags_ = rb->resval.rint; break;
        case 90: count = rb->resval.rlong; break;
        case 210: extrusion_ = {p[0], p[1], p[2]}; break;
        default:
            if (vertices_.empty()) break;
            if (rb->restype == 40) vertices_.back().startWidth = rb->resval.rreal;
            if (rb->restype == 41) vertices_.back().endWidth = rb->resval.rreal;
            if (rb->restype == 42) vertices_.back().bulge = rb->resval.rreal;
        }
    }
    const std::size_t found = vertices_.size();
    if (const DrawingFault refused = refusedShape(flags_, rules); refused != DrawingFault::None) return refused;
    if (!count) return DrawingFault::NoVertexCount;
    if (*count > 0 && static_cast<unsigned long>(*count) > rules.mostVertices) return DrawingFault::TooManyVertices;
    const std::size_t wanted = *count > 0 ? static_cast<std::size_t>(*count) : 0;
    if (found > wanted) vertices_.resize(wanted);
    for (PolylineVertex& vertex : vertices_) {
        vertex.at.z = elevation;
        if (std::isnan(vertex.startWidth)) vertex.startWidth = width;
        if (std::isnan(vertex.endWidth)) vertex.endWidth = width;
    }
    return found >= wanted ? DrawingFault::None : DrawingFault::VertexMissing;
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
