#include "entity_record.h"
#include "zcad/entity_shape.h"

namespace zcad {

std::vector<EntityId> subEntities(const Database& db, EntityId id) {
    std::vector<EntityId> out;
    if (!db.valid(id)) return out;
    const std::string_view type = db.type(id);
    std::string_view member;
    if (type == "POLYLINE") member = "VERTEX";
    if (type == "INSERT" && shapes::EntityRecord(db, id).integer(66, 0) == 1) member = "ATTRIB";
    if (member.empty()) return out;
    for (EntityId next = db.next(id); next != kNoEntity; next = db.next(next)) {
        const std::string_view t = db.type(next);
        if (t != member && t != "SEQEND") break;
        out.push_back(next);
        if (t == "SEQEND") break;
    }
    return out;
}

}  // namespace zcad
