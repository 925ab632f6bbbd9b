// A selection set the user chose, held until the holder goes however the
// command ends, and its entities' lists read in turn.
#pragma once

#include <cstdint>

#include "arx/adsdef.h"
#include "drawing/drawing_fault.h"
#include "drawing/entity_list.h"

namespace zadrawing {

class Selection {
public:
    // type: the only entity type the user may select; null: any.
    explicit Selection(const char* type = nullptr);
    ~Selection();
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    // Asks the user, releasing any set held before, and counts the set.
    DrawingFault choose();
    ads_int32 size() const { return size_; }
    // NoName when the host cannot name the entity at the index.
    DrawingFault name(ads_int32 index, ads_name entity) const;

private:
    void release();

    EntityList filter_;
    ads_name set_{};
    bool held_ = false;
    ads_int32 size_ = 0;
};

// Hands each entity of the set, with its list, to visit(entity, list),
// which returns false to stop (Stopped). A fault of the host ends the
// walk too.
template <typename Visit>
DrawingFault forEachEntity(const Selection& selection, Visit&& visit) {
    for (ads_int32 index = 0; index < selection.size(); ++index) {
        ads_name entity;
        if (const DrawingFault fault = selection.name(index, entity); fault != DrawingFault::None) return fault;
        const EntityList list = readEntity(entity);
        if (!list) return DrawingFault::NoList;
        if (!visit(entity, list.get())) return DrawingFault::Stopped;
    }
    return DrawingFault::None;
}

}  // namespace zadrawing
