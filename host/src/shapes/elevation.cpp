// Elevation as the host's CHANGE command sets it: planar entities get a new
// object-system z; world-coordinate entities only when they are flat, that
// is when all their points share one z; 3D polylines and meshes are left.
#include <algorithm>
#include <cmath>

#include "entity_edit.h"
#include "entity_record.h"
#include "point_roles.h"
#include "zcad/entity_shape.h"

namespace zcad {

namespace {

using shapes::EntityEdit;
using shapes::PointSystem;

bool sameZ(double a, double b) { return std::fabs(a - b) <= 1e-10 * std::max(1.0, std::fabs(a)); }

void setPointZ(OwnedGroup& g, double z) {
    g.flat = false;
    g.xyz[2] = z;
}

bool elevatePolyline(Database& db, EntityId id, double z) {
    EntityEdit head(db, id);
    const OwnedGroup* flags = head.find(70);
    if (!shapes::isPlanarPolyline(flags ? flags->integer : 0)) return false;
    if (OwnedGroup* origin = head.find(10)) {
        setPointZ(*origin, z);
    } else {
        head.set(OwnedGroup::point(10, 0, 0, z));
    }
    head.commit(db, id);
    for (const EntityId sub : subEntities(db, id)) {
        EntityEdit vertex(db, sub);
        OwnedGroup* at = vertex.find(10);
        if (vertex.type() != "VERTEX" || !at) continue;
        setPointZ(*at, z);
        vertex.commit(db, sub);
    }
    return true;
}

// Returns the change of z of the first place, so attributes can follow.
double elevatePlanar(EntityEdit& e, double z) {
    double shift = 0;
    bool first = true;
    bool flatSeen = false;
    for (const auto& place : shapes::placePoints(e.type(), e.groups(), true)) {
        OwnedGroup& g = e.groups()[place.index];
        if (place.system != PointSystem::Object) continue;
        if (g.flat && !place.elevationOnly) {
            flatSeen = true;
            continue;
        }
        if (first) shift = z - g.xyz[2];
        first = false;
        g.xyz[2] = z;
    }
    if (flatSeen && e.type() != "HATCH") {
        const OwnedGroup* elevation = e.find(38);
        if (first && elevation) shift = z - elevation->real();
        e.set(OwnedGroup::real(38, z));
    }
    return shift;
}

void elevateAttributes(Database& db, EntityId insert, double shift) {
    if (shift == 0) return;
    for (const EntityId sub : subEntities(db, insert)) {
        EntityEdit attribute(db, sub);
        if (attribute.type() != "ATTRIB") continue;
        for (const auto& place : shapes::placePoints(attribute.type(), attribute.groups(), true)) {
            OwnedGroup& g = attribute.groups()[place.index];
            if (!g.flat) g.xyz[2] += shift;
        }
        attribute.commit(db, sub);
    }
}

bool normalAlongZ(EntityEdit& e) {
    const OwnedGroup* normal = e.find(210);
    return !normal || (normal->xyz[0] == 0 && normal->xyz[1] == 0);
}

bool elevateFlatWorld(EntityEdit& e, double z) {
    // An ellipse or paragraph text holds only its centre or corner; it is
    // flat only when its plane is horizontal.
    if ((e.type() == "ELLIPSE" || e.type() == "MTEXT") && !normalAlongZ(e)) return false;
    std::vector<OwnedGroup*> places;
    for (const auto& place : shapes::placePoints(e.type(), e.groups(), false)) {
        OwnedGroup& g = e.groups()[place.index];
        if (g.code != 1011) places.push_back(&g);
    }
    if (places.empty()) return false;
    const double common = places.front()->xyz[2];
    const auto atCommon = [&](const OwnedGroup* g) { return sameZ(g->xyz[2], common); };
    if (!std::all_of(places.begin(), places.end(), atCommon)) return false;
    for (OwnedGroup* g : places) setPointZ(*g, z);
    return true;
}

bool isWorldPlanarCandidate(std::string_view type) {
    return type == "LINE" || type == "POINT" || type == "3DFACE" || type == "MTEXT" || type == "ELLIPSE" ||
           type == "SPLINE";
}

}  // namespace

bool setEntityElevation(Database& db, EntityId id, double z) {
    if (!db.valid(id)) return false;
    EntityEdit e(db, id);
    const std::string type(e.type());
    if (type == "POLYLINE") return elevatePolyline(db, id, z);
    if (type == "LWPOLYLINE") {
        e.set(OwnedGroup::real(38, z));
        e.commit(db, id);
        return true;
    }
    if (shapes::isObjectSystemType(type, true)) {
        const double shift = elevatePlanar(e, z);
        e.commit(db, id);
        if (type == "INSERT") elevateAttributes(db, id, shift);
        return true;
    }
    if (!isWorldPlanarCandidate(type) || !elevateFlatWorld(e, z)) return false;
    e.commit(db, id);
    return true;
}

}  // namespace zcad
