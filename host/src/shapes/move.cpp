#include "move.h"

#include "entity_edit.h"
#include "entity_record.h"
#include "point_roles.h"
#include "zcad/entity_shape.h"

namespace zcad {

namespace shapes {

namespace {

V3 extrusionOf(EntityEdit& e) {
    const OwnedGroup* g = e.find(210);
    return g && g->kind == GroupKind::Point ? V3{g->xyz[0], g->xyz[1], g->xyz[2]} : V3{0, 0, 1};
}

// Flat points (x and y only) take their z from group 38; a lightweight
// polyline's points are always flat, and a hatch's z is its elevation point.
void translate(EntityEdit& e, const V3& world, const Ocs& ocs, bool ownerPlanar) {
    const V3 object = ocs.fromWorld(world);
    const bool hatch = e.type() == "HATCH";
    const bool keepsElevation = e.type() == "LWPOLYLINE" || e.find(38) != nullptr;
    double elevationShift = 0;
    for (const auto& place : placePoints(e.type(), e.groups(), ownerPlanar)) {
        OwnedGroup& g = e.groups()[place.index];
        const V3& d = place.system == PointSystem::Object ? object : world;
        if (place.elevationOnly) {
            g.xyz[2] += d.z;
            continue;
        }
        g.xyz[0] += d.x;
        g.xyz[1] += d.y;
        if (!g.flat) {
            g.xyz[2] += d.z;
        } else if (keepsElevation) {
            elevationShift = d.z;
        } else if (!hatch && d.z != 0) {
            g.flat = false;
            g.xyz[2] = d.z;
        }
    }
    if (elevationShift == 0) return;
    const OwnedGroup* elevation = e.find(38);
    e.set(OwnedGroup::real(38, (elevation ? elevation->real() : 0.0) + elevationShift));
}

}  // namespace

void translateByGroups(Database& db, EntityId id, const V3& world, const Ocs& ocs, bool ownerPlanar) {
    EntityEdit e(db, id);
    translate(e, world, ocs, ownerPlanar);
    e.commit(db, id);
}

void moveByGroups(Database& db, EntityId id, const V3& world) {
    if (!db.valid(id)) return;
    EntityEdit owner(db, id);
    const OwnedGroup* flags = owner.find(70);
    const bool planar = owner.type() != "POLYLINE" || isPlanarPolyline(flags ? flags->integer : 0);
    const Ocs ownerOcs(extrusionOf(owner));
    translate(owner, world, ownerOcs, planar);
    owner.commit(db, id);
    for (const EntityId sub : subEntities(db, id)) {
        EntityEdit e(db, sub);
        if (e.type() == "SEQEND") continue;
        // Vertices lie in their polyline's system; attributes have their own.
        const Ocs ocs = e.type() == "VERTEX" ? ownerOcs : Ocs(extrusionOf(e));
        translate(e, world, ocs, planar);
        e.commit(db, sub);
    }
}

}  // namespace shapes

void moveEntity(Database& db, EntityId id, const double delta[3]) {
    shapes::EntityMove(shapes::V3{delta[0], delta[1], delta[2]}).move(db, id);
}

}  // namespace zcad
