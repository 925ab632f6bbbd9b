#include "selection_sets.h"

#include <algorithm>
#include <memory>

#include "arx/acedads.h"
#include "db/entity_names.h"
#include "state/session_state.h"
#include "zcad/selection.h"

namespace zcad {

namespace {

constexpr std::int64_t kSetTag = 0x5353;  // "SS": names of sets never pass for entity names

struct Selections {
    std::vector<std::unique_ptr<std::vector<EntityId>>> sets;  // by slot; null when freed
    std::vector<EntityId> previous;
    std::uint64_t previousDrawing = 0;  // its serial when checked there; 0 unchecked
    std::uint64_t previousState = 0;    // its change state then
};

Selections& selections() { return sessionState<Selections>(); }

std::vector<std::unique_ptr<std::vector<EntityId>>>& slots() { return selections().sets; }

}  // namespace

void makeSetName(std::size_t slot, ads_name name) {
    name[0] = static_cast<std::int64_t>(slot) + 1;
    name[1] = kSetTag;
}

std::vector<EntityId>* setOfName(const ads_name name) {
    if (!name || name[1] != kSetTag || name[0] <= 0) return nullptr;
    const auto slot = static_cast<std::size_t>(name[0] - 1);
    return slot < slots().size() ? slots()[slot].get() : nullptr;
}

void storeSet(std::vector<EntityId> members, ads_name name) {
    auto& all = slots();
    std::size_t slot = 0;
    while (slot < all.size() && all[slot]) ++slot;
    if (slot == all.size()) all.emplace_back();
    all[slot] = std::make_unique<std::vector<EntityId>>(std::move(members));
    makeSetName(slot, name);
}

bool freeSet(const ads_name name) {
    if (!setOfName(name)) return false;
    slots()[static_cast<std::size_t>(name[0] - 1)].reset();
    return true;
}

const std::vector<EntityId>& previousSelection() { return selections().previous; }

void setPreviousSelection(std::vector<EntityId> entities, bool checked) {
    Selections& kept = selections();
    const Database& db = currentDatabase();
    kept.previous = std::move(entities);
    kept.previousDrawing = checked ? db.serial() : 0;
    kept.previousState = db.changeState();
}

bool previousSelectionCurrent(const Database& db) {
    const Selections& kept = selections();
    return kept.previousDrawing == db.serial() && kept.previousState == db.changeState();
}

}  // namespace zcad

using namespace zcad;

int acedSSLength(const ads_name set, ads_int32* length) {
    const std::vector<EntityId>* members = setOfName(set);
    if (!members || !length) return RTERROR;
    *length = static_cast<ads_int32>(members->size());
    return RTNORM;
}

int acedSSName(const ads_name set, ads_int32 index, ads_name entity) {
    const std::vector<EntityId>* members = setOfName(set);
    if (!members || !entity || index < 0 || static_cast<std::size_t>(index) >= members->size()) return RTERROR;
    makeEntityName(currentDatabase(), (*members)[static_cast<std::size_t>(index)], entity);
    return RTNORM;
}

int acedSSAdd(const ads_name entity, const ads_name set, ads_name result) {
    if (!result) return RTERROR;
    EntityId id = kNoEntity;
    if (entity) {
        id = entityOfName(currentDatabase(), entity);
        if (id == kNoEntity) return RTERROR;
    }
    if (!set) {
        storeSet(id == kNoEntity ? std::vector<EntityId>{} : std::vector<EntityId>{id}, result);
        return RTNORM;
    }
    std::vector<EntityId>* members = setOfName(set);
    if (!members) return RTERROR;
    if (id != kNoEntity && std::find(members->begin(), members->end(), id) == members->end()) members->push_back(id);
    ads_name_set(set, result);
    return RTNORM;
}

int acedSSDel(const ads_name entity, const ads_name set) {
    std::vector<EntityId>* members = setOfName(set);
    const EntityId id = entityOfName(currentDatabase(), entity);
    if (!members || id == kNoEntity) return RTERROR;
    const auto it = std::find(members->begin(), members->end(), id);
    if (it == members->end()) return RTERROR;
    members->erase(it);
    return RTNORM;
}

int acedSSFree(const ads_name set) { return freeSet(set) ? RTNORM : RTERROR; }
