// One stored entity decoded for reading: its groups and the few lookups the
// geometry code makes over and over.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "ocs.h"
#include "zcad/database.h"

namespace zcad::shapes {

class EntityRecord {
public:
    EntityRecord() = default;
    EntityRecord(const Database& db, EntityId id);
    // Reads another entity into the same storage.
    void load(const Database& db, EntityId id);

    std::string_view type() const { return type_; }
    const std::vector<Group>& groups() const { return groups_; }

    const Group* find(int code) const;
    bool has(int code) const { return find(code) != nullptr; }
    double real(int code, double fallback) const;
    std::int64_t integer(int code, std::int64_t fallback) const;
    std::string_view text(int code) const;
    // A flat point takes its z from the entity's elevation group 38.
    V3 point(int code, const V3& fallback = {}) const;
    V3 pointOf(const Group& g) const;
    V3 extrusion() const;
    Ocs ocs() const { return Ocs(extrusion()); }
    bool paperSpace() const { return integer(67, 0) == 1; }

private:
    std::string_view type_;
    std::vector<Group> groups_;
};

// POLYLINE flags (group 70) that make it a 3D entity with world points.
constexpr std::int64_t kPolyline3d = 8;
constexpr std::int64_t kPolygonMesh = 16;
constexpr std::int64_t kPolyfaceMesh = 64;
bool isPlanarPolyline(std::int64_t flags);

}  // namespace zcad::shapes
