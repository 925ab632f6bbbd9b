#include "object_selection.h"

#include <algorithm>
#include <cstddef>

#include "arx/acedads.h"
#include "db/entity_names.h"
#include "keywords.h"
#include "editor/picking.h"
#include "zcad/selection.h"

namespace zcad::commands {

namespace {

std::vector<EntityId> membersOf(const Database& db, const ads_name set) {
    std::vector<EntityId> out;
    ads_int32 length = 0;
    if (acedSSLength(set, &length) != RTNORM) return out;
    for (ads_int32 i = 0; i < length; ++i) {
        ads_name entity;
        if (acedSSName(set, i, entity) != RTNORM) continue;
        const EntityId id = entityOfName(db, entity);
        if (id != kNoEntity) out.push_back(id);
    }
    return out;
}

}  // namespace

void ObjectSelection::add(EntityId id) {
    if (isSelectable(currentDatabase(), id)) addSelectable(id);
}

void ObjectSelection::addSelectable(EntityId id) {
    // Ids index the drawing's entities, so a mark per id finds a repeat at
    // once where a search of the chosen would take a million steps each.
    if (id >= chosenMarks_.size()) chosenMarks_.resize(std::max<std::size_t>(id + 1, 2 * chosenMarks_.size()));
    if (chosenMarks_[id]) return;
    chosenMarks_[id] = true;
    chosen_.push_back(id);
}

Step ObjectSelection::feed(const Word& word) {
    const Database& db = currentDatabase();
    if (word.isEmpty()) {
        if (chosen_.empty()) {
            printMessage("Nothing selected.");
            return Step::Failed;
        }
        setPreviousSelection(chosen_, true);
        return Step::Done;
    }
    if (word.kind == Word::Kind::Entity) {
        add(entityOfName(db, word.name));
        return Step::More;
    }
    if (word.kind == Word::Kind::Set) {
        for (const EntityId id : membersOf(db, word.name)) add(id);
        return Step::More;
    }
    switch (matchKeyword(word, {"Previous", "Last", "ALL"})) {
    case 0: {
        const bool current = previousSelectionCurrent(db);
        for (const EntityId id : previousSelection()) current ? addSelectable(id) : add(id);
        return Step::More;
    }
    case 1: {
        const std::vector<EntityId> all = selectableEntities(db);
        if (!all.empty()) addSelectable(all.back());
        return Step::More;
    }
    case 2:
        for (const EntityId id : selectableEntities(db)) addSelectable(id);
        return Step::More;
    default:
        break;
    }
    if (const auto pick = pointOf(word)) {
        add(pickNearest(db, pick->x, pick->y));
        return Step::More;
    }
    // Windows, crossings, layers and types as the selection prompt takes them.
    std::vector<EntityId> found;
    if (word.kind == Word::Kind::Text && selectByLine(db, word.text, found)) {
        for (const EntityId id : found) addSelectable(id);
        return Step::More;
    }
    return rejectWord("*Invalid selection*\nExpects a point or Last/ALL/Previous/W/C/LAYER/TYPE.");
}

}  // namespace zcad::commands
