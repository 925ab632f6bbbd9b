#include "picking.h"

#include <algorithm>

#include "db/entity_names.h"
#include "zcad/entity_shape.h"

namespace zcad {

bool isSelectable(const Database& db, EntityId id) {
    if (!db.valid(id)) return false;
    const std::string_view type = db.type(id);
    if (type == "VERTEX" || type == "ATTRIB" || type == "SEQEND") return false;
    GroupReader reader(db.list(id));
    Group g;
    while (reader.next(g)) {
        if (g.code == 67) return g.integer != 1;
    }
    return true;
}

std::vector<EntityId> selectableEntities(const Database& db) {
    std::vector<EntityId> found;
    for (EntityId id = db.next(kNoEntity); id != kNoEntity; id = db.next(sequenceEnd(db, id))) {
        if (isSelectable(db, id)) found.push_back(id);
    }
    return found;
}

double pickAperture(const Database& db) {
    double height = db.view.set ? db.view.height : 0.0;
    if (height <= 0) {
        const Box box = drawingExtents(db);
        if (!box.empty()) height = std::max(box.max[0] - box.min[0], box.max[1] - box.min[1]);
    }
    return height > 0 ? height / 50.0 : 1e-9;
}

EntityId pickNearest(const Database& db, double x, double y) {
    const double aperture = pickAperture(db);
    EntityId best = kNoEntity;
    double bestDistance = aperture;
    for (const EntityId id : selectableEntities(db)) {
        const double d = entityDistance(db, id, x, y);
        if (d <= bestDistance) {
            best = id;
            bestDistance = d;
        }
    }
    return best;
}

}  // namespace zcad
