// An entity's groups taken out of the database for editing and written back
// in one piece. New groups go where a DXF writer expects them: common
// properties after the layer, elevation and thickness before the first point.
#pragma once

#include <string_view>
#include <vector>

#include "zcad/database.h"

namespace zcad::shapes {

class EntityEdit {
public:
    EntityEdit(const Database& db, EntityId id);

    std::string_view type() const { return type_; }
    std::vector<OwnedGroup>& groups() { return groups_; }
    const std::vector<OwnedGroup>& groups() const { return groups_; }

    OwnedGroup* find(int code);
    // Replaces the first group of the code, or inserts one.
    void set(const OwnedGroup& g);
    void erase(int code);
    void commit(Database& db, EntityId id) const;

private:
    std::string type_;
    std::vector<OwnedGroup> groups_;
};

}  // namespace zcad::shapes
