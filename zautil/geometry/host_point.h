// A point as the host's calls take and give it, an ads_point, made from
// and turned back into the module's point.
#pragma once

#include "arx/adsdef.h"
#include "geometry/point.h"

namespace zageometry {

struct HostPoint {
    ads_point xyz;

    HostPoint() : xyz{0, 0, 0} {}
    explicit HostPoint(const ZaPoint& p) : xyz{p.x, p.y, p.z} {}
    // For a host call that takes an ads_point.
    operator const double*() const { return xyz; }
    ZaPoint point() const { return {xyz[0], xyz[1], xyz[2]}; }
};

}  // namespace zageometry
