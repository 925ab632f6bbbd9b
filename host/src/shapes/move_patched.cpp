#include <cstring>

#include "entity_record.h"
#include "move.h"
#include "zcad/entity_shape.h"

namespace zcad::shapes {

namespace {

// True when the sum came out all zero bits, which a fresh list keeps
// without its bytes.
bool addTo(std::uint8_t* at, double by) {
    double value;
    std::memcpy(&value, at, sizeof value);
    value += by;
    std::memcpy(at, &value, sizeof value);
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits == 0;
}

}  // namespace

// The lookups translateByGroups makes (type, first 70, first 210, first 38)
// taken in one walk over a copy of the stored bytes.
void EntityMove::read(const Database& db, EntityId id) {
    const auto stored = db.list(id);
    bytes_.assign(stored.begin(), stored.end());
    points_.clear();
    type_ = {};
    flags_ = 0;
    extruded_ = false;
    elevationAt_ = kNone;
    elevationSeen_ = false;
    bool flagsSeen = false;
    GroupReader reader(bytes_);
    Group g;
    for (bool first = true; reader.next(g); first = false) {
        // A zero kept as its code word alone has no bytes to patch.
        const std::uint8_t* value = reader.valueStart();
        const std::size_t offset = value ? static_cast<std::size_t>(value - bytes_.data()) : kNone;
        if (first && g.code == 0) type_ = g.text;
        if (g.kind == GroupKind::Point) {
            points_.push_back({offset, g.code, g.flat});
            if (g.code == 210 && !extruded_) {
                extruded_ = true;
                extrusion_ = {g.xyz[0], g.xyz[1], g.xyz[2]};
            }
        } else if (g.code == 70 && !flagsSeen) {
            flagsSeen = true;
            flags_ = g.integer;
        } else if (g.code == 38 && !elevationSeen_) {
            elevationSeen_ = true;
            elevationAt_ = offset;
        }
    }
}

// The same sums as translateByGroups on the same values, so the same bits.
// False, with nothing stored, where that path would add a group or make a
// flat point 3D, where a value is zero before or after (a fresh list keeps
// it without bytes), and for a hatch, whose points take their roles from
// the groups before them.
bool EntityMove::patch(const Ocs& ocs, bool ownerPlanar) {
    if (type_ == "HATCH") return false;
    if (!rule_ || type_ != ruleType_ || ownerPlanar != rulePlanar_) {
        rule_.emplace(type_, ownerPlanar);
        ruleType_.assign(type_);
        rulePlanar_ = ownerPlanar;
    }
    const PlaceRule& rule = *rule_;
    const V3 object = ocs.fromWorld(world_);
    const bool keepsElevation = type_ == "LWPOLYLINE" || elevationSeen_;
    double elevationShift = 0;
    for (const PointAt& point : points_) {
        const auto system = rule.placeOf(point.code);
        if (!system) continue;
        const V3& d = *system == PointSystem::Object ? object : world_;
        if (point.offset == kNone) return false;
        std::uint8_t* at = bytes_.data() + point.offset;
        bool zero = addTo(at, d.x);
        zero = addTo(at + sizeof(double), d.y) && zero;
        if (!point.flat) {
            zero = addTo(at + 2 * sizeof(double), d.z) && zero;
        } else if (keepsElevation) {
            elevationShift = d.z;
        } else if (d.z != 0) {
            return false;
        }
        if (zero) return false;
    }
    if (elevationShift == 0) return true;
    if (elevationAt_ == kNone) return false;
    return !addTo(bytes_.data() + elevationAt_, elevationShift);
}

void EntityMove::moveOne(Database& db, EntityId id, const Ocs& ocs, bool ownerPlanar) {
    if (patch(ocs, ownerPlanar)) {
        db.replace(id, bytes_);
        ++patched_;
        return;
    }
    translateByGroups(db, id, world_, ocs, ownerPlanar);
}

void EntityMove::move(Database& db, EntityId id) {
    if (!db.valid(id)) return;
    read(db, id);
    const bool polyline = type_ == "POLYLINE";
    const bool owner = polyline || type_ == "INSERT";
    const bool planar = !polyline || isPlanarPolyline(flags_);
    const Ocs ownerOcs = extruded_ ? Ocs(extrusion_) : worldOcs_;
    moveOne(db, id, ownerOcs, planar);
    if (!owner) return;
    for (const EntityId sub : subEntities(db, id)) {
        read(db, sub);
        if (type_ == "SEQEND") continue;
        // Vertices lie in their polyline's system; attributes have their own.
        const bool vertex = type_ == "VERTEX";
        moveOne(db, sub, vertex ? ownerOcs : extruded_ ? Ocs(extrusion_) : worldOcs_, planar);
    }
}

}  // namespace zcad::shapes
