// Reading, walking, changing and deleting entities by name.
#include "arx/acedads.h"
#include "entity_names.h"
#include "list_codec.h"
#include "table_defaults.h"

using namespace zcad;

resbuf* acdbEntGet(const ads_name entity) {
    const Database& db = currentDatabase();
    const EntityId id = entityOfName(db, entity);
    if (id == kNoEntity) return nullptr;
    return entityToResbuf(db, id);
}

int acdbEntNext(const ads_name entity, ads_name result) {
    if (!result) return RTERROR;
    const Database& db = currentDatabase();
    EntityId from = kNoEntity;
    if (entity && !ads_name_nil(entity)) {
        from = entityOfName(db, entity);
        if (from == kNoEntity) return RTERROR;
    }
    const EntityId next = db.next(from);
    if (next == kNoEntity) return RTERROR;
    makeEntityName(db, next, result);
    return RTNORM;
}

int acdbEntLast(ads_name result) {
    if (!result) return RTERROR;
    const Database& db = currentDatabase();
    EntityId last = db.last();
    // The last main entity: step back from a SEQEND to its owner.
    while (last != kNoEntity && last > 0) {
        const auto type = db.type(last);
        if (type != "SEQEND" && type != "VERTEX" && type != "ATTRIB") break;
        --last;
    }
    if (last == kNoEntity) return RTERROR;
    makeEntityName(db, last, result);
    return RTNORM;
}

int acdbEntMod(const resbuf* list) {
    if (!list || list->restype != -1) return RTERROR;
    Database& db = currentDatabase();
    const EntityId id = entityOfName(db, list->resval.rlname);
    if (id == kNoEntity) return RTERROR;
    static ParsedList parsed;
    if (!parseEntityList(db, list->rbnext, parsed)) return RTREJ;
    if (parsed.type != db.type(id)) return RTREJ;
    if (!ensureLayer(db, parsed.layer)) return RTREJ;
    db.replace(id, parsed.bytes());
    return RTNORM;
}

int acdbEntDel(const ads_name entity) {
    Database& db = currentDatabase();
    const EntityId id = entityOfName(db, entity);
    if (id == kNoEntity) return RTERROR;
    const EntityId end = sequenceEnd(db, id);
    for (EntityId each = id; each <= end; ++each) db.erase(each);
    return RTNORM;
}

int acdbEntUpd(const ads_name entity) {
    return entityOfName(currentDatabase(), entity) == kNoEntity ? RTERROR : RTNORM;
}
