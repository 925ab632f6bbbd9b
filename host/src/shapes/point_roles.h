// Which point groups of an entity are places (that move with it) rather
// than directions or sizes, and in which system each place is held.
#pragma once

#include <cstddef>
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

// `ownerPlanar` tells a VERTEX whether its POLYLINE is a planar (2D) one;
// for other types it is ignored.
std::vector<PlacePoint> placePoints(std::string_view type, const std::vector<OwnedGroup>& groups, bool ownerPlanar);

// Entities whose points are held in the object system of their extrusion.
bool isObjectSystemType(std::string_view type, bool planarPolyline);

}  // namespace zcad::shapes
