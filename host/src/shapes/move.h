// Moving stored entities by a displacement, each with the VERTEX and ATTRIB
// entities that belong to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ocs.h"
#include "point_roles.h"
#include "zcad/database.h"

namespace zcad::shapes {

// One entity, without its sub-entities, through its decoded groups: right
// for whatever it holds. Its object points are held in `ocs`; `ownerPlanar`
// as for placePoints.
void translateByGroups(Database& db, EntityId id, const V3& world, const Ocs& ocs, bool ownerPlanar);
// An entity and its sub-entities, every one through translateByGroups.
void moveByGroups(Database& db, EntityId id, const V3& world);

// MOVE over a selection. Moving most entities changes only the values of
// their points (and of their elevation), not the shape of their list, so
// their stored bytes are copied once and those values patched where they
// lie; the rest go through translateByGroups. Either way the list is stored
// through Database::replace, so undo and the change state see the same.
class EntityMove {
public:
    explicit EntityMove(const V3& world) : world_(world) {}
    void move(Database& db, EntityId id);
    // Entities moved by patching rather than through their groups.
    std::size_t patched() const { return patched_; }

private:
    struct PointAt {
        std::size_t offset;  // of the value in bytes_
        int code;
        bool flat;
    };

    void read(const Database& db, EntityId id);
    bool patch(const Ocs& ocs, bool ownerPlanar);
    void moveOne(Database& db, EntityId id, const Ocs& ocs, bool ownerPlanar);

    static constexpr std::size_t kNone = ~std::size_t{0};

    V3 world_;
    const Ocs worldOcs_{V3{0, 0, 1}};
    std::size_t patched_ = 0;
    // The entity last read: its bytes and what they hold.
    std::vector<std::uint8_t> bytes_;
    std::vector<PointAt> points_;
    std::string_view type_;
    std::int64_t flags_ = 0;
    bool extruded_ = false;
    V3 extrusion_;
    std::size_t elevationAt_ = kNone;  // kNone too when kept as a zero
    bool elevationSeen_ = false;
    // A selection is mostly of one type: its rule is looked up once.
    std::optional<PlaceRule> rule_;
    std::string ruleType_;
    bool rulePlanar_ = false;
};

}  // namespace zcad::shapes
