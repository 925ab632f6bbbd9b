// Which point groups of an entity are places (that move with it) rather
// than directions or sizes, and in which system each place is held.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "zcad/group_list.h"

namespace zcad::shapes {

enum class PointSystem { World, Object };

struct PlacePoint {
    std::size_t index;  // into the group list
    PointSystem system;
    bool elevationOnly;  // x and y are fixed by the format (a hatch's elevation point)
};

// The roles of one type's point groups, worked out once for a run of
// entities of that type. Not for HATCH, whose roles depend on the groups
// before each point.
class PlaceRule {
public:
    // `ownerPlanar` as for placePoints.
    PlaceRule(std::string_view type, bool ownerPlanar);
    // The system of a point group that is a place; nothing for the others.
    std::optional<PointSystem> placeOf(int code) const {
        // Extended data: only a world position (1011) travels with the entity.
        if (code == 1011) return PointSystem::World;
        if (code < kFirstPlace || code > kLastPlace) return std::nullopt;
        return places_[static_cast<std::size_t>(code - kFirstPlace)];
    }

private:
    static constexpr int kFirstPlace = 10;
    static constexpr int kLastPlace = 18;
    std::array<std::optional<PointSystem>, kLastPlace - kFirstPlace + 1> places_;
};

// `ownerPlanar` tells a VERTEX whether its POLYLINE is a planar (2D) one;
// for other types it is ignored.
std::vector<PlacePoint> placePoints(std::string_view type, const std::vector<OwnedGroup>& groups, bool ownerPlanar);

// Entities whose points are held in the object system of their extrusion.
bool isObjectSystemType(std::string_view type, bool planarPolyline);

}  // namespace zcad::shapes
