// What stands in for kinds the picture cannot draw themselves: the box a
// solid's modeller data spans, and the graphics a program leaves with its
// custom entities for programs that do not know them.
#pragma once

#include <vector>

#include "shapes/entity_record.h"

namespace zcad::render {

// The world box the points of an ACIS solid, region or body span, from the
// modeller text the entity carries (plain or in its simple cipher); false
// when it carries none (drawings of 2013 on keep it elsewhere).
bool modellerBox(const shapes::EntityRecord& e, shapes::V3& low, shapes::V3& high);

// Proxy graphics (groups 310): world polylines, filled polygons, and the
// extents box when the graphics give one.
struct ProxyGraphics {
    std::vector<std::vector<shapes::V3>> lines;
    std::vector<std::vector<shapes::V3>> fills;
    bool hasExtents = false;
    shapes::V3 low;
    shapes::V3 high;

    bool empty() const { return lines.empty() && fills.empty() && !hasExtents; }
};

// False when the entity has no proxy graphics or they cannot be read; what
// was read before a fault is kept.
bool proxyGraphics(const shapes::EntityRecord& e, ProxyGraphics& out);

}  // namespace zcad::render
