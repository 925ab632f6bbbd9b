// The values of an entity list, found by their DXF group code. A group a
// command needs and the list lacks is nothing; the few that a DXF writer
// may leave out at their default (flags, elevation, extrusion) have their
// own readers that give the default, as the host's own lists would.
#pragma once

#include <optional>
#include <string_view>

#include "arx/adsdef.h"
#include "geometry/point.h"

namespace zadrawing {

// The first group of the code at or after `from`, or null.
inline const resbuf* findGroup(const resbuf* from, int code) {
    for (const resbuf* rb = from; rb; rb = rb->rbnext) {
        if (rb->restype == code) return rb;
    }
    return nullptr;
}

std::optional<ZaPoint> groupPoint(const resbuf* list, int code);
std::optional<double> groupReal(const resbuf* list, int code);
// Groups 60 to 79 hold 16-bit values, 90 to 99 32-bit ones.
std::optional<long> groupInteger(const resbuf* list, int code);
// Nothing for a group that holds no text.
std::optional<std::string_view> groupText(const resbuf* list, int code);

// Group 0; empty when the list has none.
std::string_view entityType(const resbuf* list);

// Group 70, 0 when left out.
long flagsOf(const resbuf* list);
// Group 38, 0 when left out.
double elevationOf(const resbuf* list);
// Group 210, the world's z axis when left out.
ZaPoint extrusionOf(const resbuf* list);

}  // namespace zadrawing
