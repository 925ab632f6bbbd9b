// Geometry of stored entities: extents, distance to a pick point, moving and
// changing elevation. A POLYLINE or an INSERT with attributes is taken with
// the VERTEX/ATTRIB entities that follow it up to its SEQEND.
#pragma once

#include "database.h"

#pragma GCC visibility push(default)

namespace zcad {

struct Box {
    double min[3] = {1e300, 1e300, 1e300};
    double max[3] = {-1e300, -1e300, -1e300};
    bool empty() const { return min[0] > max[0]; }
    void add(const double p[3]);
    void add(const Box& other);
};

// World extents of one entity (empty for entities with no geometry).
Box entityExtents(const Database& db, EntityId id);
// World extents of every model-space entity.
Box drawingExtents(const Database& db);
// Distance in the world XY plane from (x, y) to the entity's nearest part.
double entityDistance(const Database& db, EntityId id, double x, double y);
// The point of the entity nearest to (x, y) in plan, as the nearest object
// snap finds it; false for an entity with no geometry.
bool nearestPointOn(const Database& db, EntityId id, double x, double y, double out[3]);
// Translates every point of the entity (and of its sub-entities).
void moveEntity(Database& db, EntityId id, const double delta[3]);
// Sets the elevation of the entity as the host's CHANGE command does; false
// when its rules leave it as it was (a 3D polyline, a sloping line).
bool setEntityElevation(Database& db, EntityId id, double z);
// The sub-entities that belong to `id` (VERTEX, ATTRIB, SEQEND); empty if none.
std::vector<EntityId> subEntities(const Database& db, EntityId id);

}  // namespace zcad

#pragma GCC visibility pop
