#include "picking.h"

#include <algorithm>

#include "db/entity_names.h"
#include "zcad/entity_shape.h"

namespace zcad {

namespace {

struct Look {
    bool selectable = true;
    bool head = false;  // a POLYLINE or INSERT, which members may follow
};

// One walk over the list: selections look at every entity of the drawing.
Look lookAt(const Database& db, EntityId id) {
    Look look;
    GroupReader reader(db.list(id));
    Group g;
    for (bool first = true; reader.next(g); first = false) {
        if (first && g.code == 0) {
            if (g.text == "VERTEX" || g.text == "ATTRIB" || g.text == "SEQEND") return {false, false};
            look.head = g.text == "POLYLINE" || g.text == "INSERT";
        }
        if (g.code == 67) {
            look.selectable = g.integer != 1;
            return look;
        }
    }
    return look;
}

}  // namespace

bool isSelectable(const Database& db, EntityId id) { return db.valid(id) && lookAt(db, id).selectable; }

std::vector<EntityId> selectableEntities(const Database& db) {
    std::vector<EntityId> found;
    for (EntityId id = db.next(kNoEntity); id != kNoEntity;) {
        const Look look = lookAt(db, id);
        if (look.selectable) found.push_back(id);
        id = db.next(look.head ? sequenceEnd(db, id) : id);
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
