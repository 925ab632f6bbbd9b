#include "geometry.h"

#include "zcad/entity_shape.h"

namespace zcad::shapes {

V3 ArcPiece::at(double t) const { return centre + std::cos(t) * u + std::sin(t) * v; }

void Geometry::addPolygon(std::span<const V3> corners, bool filled) {
    for (std::size_t i = 0; i < corners.size(); ++i) {
        segments.push_back({corners[i], corners[(i + 1) % corners.size()]});
    }
    if (filled) areas.emplace_back(corners.begin(), corners.end());
}

void Geometry::clear() {
    points.clear();
    segments.clear();
    arcs.clear();
    areas.clear();
    thickness = {};
}

namespace {

void addThickness(const EntityRecord& e, Geometry& out) {
    const double t = e.real(39, 0.0);
    if (t != 0) out.thickness = t * unit(e.extrusion());
}

// An INSERT shows here by its insertion point only: block contents are
// kept in the file's block section, which the host does not draw.
void addInsertShape(const Database& db, EntityId id, const EntityRecord& e, Geometry& out) {
    out.points.push_back(e.ocs().toWorld(e.point(10)));
    for (const EntityId sub : subEntities(db, id)) {
        const EntityRecord attribute(db, sub);
        if (attribute.type() == "ATTRIB") addTextShape(attribute, out);
    }
}

}  // namespace

Geometry entityGeometry(const Database& db, EntityId id) {
    if (!db.valid(id)) return {};
    return entityGeometry(db, id, EntityRecord(db, id));
}

Geometry entityGeometry(const Database& db, EntityId id, const EntityRecord& e) {
    Geometry out;
    entityGeometry(db, id, e, out);
    return out;
}

void entityGeometry(const Database& db, EntityId id, const EntityRecord& e, Geometry& out) {
    out.clear();
    const std::string_view type = e.type();
    if (type == "LINE" || type == "POINT" || type == "3DFACE" || type == "SOLID" || type == "TRACE") {
        addLinearShape(e, out);
    } else if (type == "CIRCLE" || type == "ARC" || type == "ELLIPSE" || type == "SPLINE") {
        addCurveShape(e, out);
    } else if (type == "TEXT" || type == "ATTRIB" || type == "ATTDEF" || type == "MTEXT") {
        addTextShape(e, out);
    } else if (type == "POLYLINE") {
        addPolylineShape(db, id, e, out);
    } else if (type == "LWPOLYLINE") {
        addLwPolylineShape(e, out);
    } else if (type == "INSERT") {
        addInsertShape(db, id, e, out);
    }
    if (type != "INSERT" && type != "TEXT" && type != "ATTRIB" && type != "ATTDEF" && type != "MTEXT") {
        addThickness(e, out);
    }
}

}  // namespace zcad::shapes
