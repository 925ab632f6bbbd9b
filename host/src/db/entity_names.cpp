#include "entity_names.h"

#include <cstring>

namespace zcad {

namespace {
std::int64_t tagOf(const Database& db) { return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(&db)); }
}  // namespace

void makeEntityName(const Database& db, EntityId id, ads_name name) {
    name[0] = static_cast<std::int64_t>(id) + 1;
    name[1] = tagOf(db);
}

EntityId entityOfName(const Database& db, const ads_name name) {
    if (!name || name[1] != tagOf(db) || name[0] <= 0) return kNoEntity;
    const auto id = static_cast<EntityId>(name[0] - 1);
    return db.valid(id) ? id : kNoEntity;
}

EntityId sequenceEnd(const Database& db, EntityId id) {
    const std::string_view type = db.type(id);
    bool heads = type == "POLYLINE";
    if (type == "INSERT") {
        GroupReader reader(db.list(id));
        Group g;
        while (reader.next(g)) {
            if (g.code == 66 && g.integer == 1) heads = true;
        }
    }
    if (!heads) return id;
    for (EntityId next = id + 1; next < db.entityCount(); ++next) {
        if (db.type(next) == "SEQEND") return next;
        const std::string_view t = db.type(next);
        if (t != "VERTEX" && t != "ATTRIB") return next - 1;
    }
    return static_cast<EntityId>(db.entityCount() - 1);
}

}  // namespace zcad
