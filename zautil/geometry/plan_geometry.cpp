#include "geometry/plan_geometry.h"

#include <cmath>

double zaPlanDistance(const ZaPoint& a, const ZaPoint& b) {
    return std::sqrt((b[0] - a[0]) * (b[0] - a[0]) + (b[1] - a[1]) * (b[1] - a[1]));
}

double zaOffsetFromChord(const ZaPoint& p, const ZaPoint& r, const ZaPoint& q) {
    return std::fabs((r[1] - p[1]) * (q[0] - p[0]) - (q[1] - p[1]) * (r[0] - p[0])) / zaPlanDistance(p, r);
}

ZaPoint zaLinesMeet(const ZaPoint& a, const ZaPoint& a2, const ZaPoint& b, const ZaPoint& b2) {
    const double t = ((a[0] - b[0]) * (b2[1] - b[1]) - (a[1] - b[1]) * (b2[0] - b[0])) /
                     ((a2[1] - a[1]) * (b2[0] - b[0]) - (a2[0] - a[0]) * (b2[1] - b[1]));
    return {a[0] + t * (a2[0] - a[0]), a[1] + t * (a2[1] - a[1]), a[2]};
}
