// The values of an entity list as acdbEntGet returns it, found by their
// DXF group code. A missing group is nothing, never a default.
#pragma once

#include <optional>
#include <string_view>

#include "arx/adsdef.h"
#include "geometry/bulge_arc.h"

namespace zastrings {

// The first group of the code at or after `from`, or null.
inline const resbuf* findGroup(const resbuf* from, int code) {
    for (const resbuf* rb = from; rb; rb = rb->rbnext) {
        if (rb->restype == code) return rb;
    }
    return nullptr;
}

inline std::optional<ZaPoint> groupPoint(const resbuf* list, int code) {
    const resbuf* rb = findGroup(list, code);
    if (!rb) return std::nullopt;
    return ZaPoint{rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]};
}

inline std::optional<double> groupReal(const resbuf* list, int code) {
    const resbuf* rb = findGroup(list, code);
    if (!rb) return std::nullopt;
    return rb->resval.rreal;
}

// Groups 60 to 79 hold 16-bit values, 90 to 99 32-bit ones.
inline std::optional<long> groupInteger(const resbuf* list, int code) {
    const resbuf* rb = findGroup(list, code);
    if (!rb) return std::nullopt;
    return code >= 90 && code <= 99 ? static_cast<long>(rb->resval.rlong) : static_cast<long>(rb->resval.rint);
}

inline std::optional<std::string_view> groupText(const resbuf* list, int code) {
    const resbuf* rb = findGroup(list, code);
    if (!rb || !rb->resval.rstring) return std::nullopt;
    return std::string_view(rb->resval.rstring);
}

}  // namespace zastrings
