#include "triangles/surface_geometry.h"

#include <cmath>

namespace zatriangles {
namespace {

// The suite's own constants: its classes fall where its values put them.
constexpr double kPi = 3.1415926;
constexpr double kTwoPi = 6.2831852;
constexpr double kHalfPi = 1.5707963;
constexpr double kThreeHalfPi = 4.7123889;
constexpr double kDegreesPerRadian = 57.295780490442965;

constexpr double kFlatDrainage = 0.0001;
constexpr double kTolerance = 0.001;

}  // namespace

ZaPoint surfaceNormal(const ZaPoint& p1, const ZaPoint& p2, const ZaPoint& p3) {
    const ZaPoint a{p2[0] - p1[0], p2[1] - p1[1], p2[2] - p1[2]};
    const ZaPoint b{p3[0] - p2[0], p3[1] - p2[1], p3[2] - p2[2]};
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double slopePercent(const ZaPoint& n) {
    if (!(n.z > 0)) return 0;
    return 100.0 * std::sqrt(n.x * n.x + n.y * n.y) / n.z;
}

double aspectDegrees(const ZaPoint& n) {
    double angle = 0;
    if (std::fabs(n.y) > std::fabs(n.x)) {
        angle = n.y > 0 ? std::atan2(n.x, n.y) : kPi - std::atan2(n.x, -n.y);
    } else {
        angle = n.x >= 0 ? kHalfPi - std::atan2(n.y, n.x) : std::atan2(n.y, -n.x) + kThreeHalfPi;
    }
    if (angle < 0) angle += kTwoPi;
    if (angle > kTwoPi) angle -= kTwoPi;
    return angle * kDegreesPerRadian;
}

int aspectClass(double aspect) {
    // A normal of infinite or undefined parts has no bearing.
    if (!(aspect >= 0 && aspect <= 361)) return 0;
    return (static_cast<int>(std::trunc(aspect + 0.1)) + 5) / 10;
}

ZaPoint drainageNormal(const ZaPoint& n) {
    const double h = std::sqrt(n.x * n.x + n.y * n.y);
    if (!(h > kFlatDrainage)) return {};
    return {n.x / h, n.y / h, n.z / h};
}

std::string_view edgeClassLayer(EdgeClass edgeClass) {
    switch (edgeClass) {
    case EdgeClass::Boundary: return "Boundary";
    case EdgeClass::Flat: return "flat";
    case EdgeClass::Edge: return "edge";
    case EdgeClass::Dipline: return "dipline";
    case EdgeClass::Ridge: return "ridge";
    case EdgeClass::Slope: return "slope";
    case EdgeClass::Stream: return "stream";
    }
    return "Boundary";
}

EdgeClass classifyEdge(const ZaPoint& from, const ZaPoint& to, const ZaPoint& mt, const ZaPoint& mu, double shortest) {
    double dx = to[0] - from[0];
    double dy = to[1] - from[1];
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length > shortest) {
        dx /= length;
        dy /= length;
    }
    // Which side of the edge each triangle's water runs to.
    const double sT = dy * mt.x - mt.y * dx;
    const double sU = dy * mu.x - mu.y * dx;
    const double zT = sT <= 0 ? -mt.z : mt.z;
    const double zU = sU >= 0 ? -mu.z : mu.z;
    if (std::fabs(zT) < kTolerance) return std::fabs(zU) < kTolerance ? EdgeClass::Flat : EdgeClass::Edge;
    if (std::fabs(zU) < kTolerance) return EdgeClass::Edge;
    if (std::fabs(sT) < kTolerance || std::fabs(sU) < kTolerance) return EdgeClass::Dipline;
    if (zT < 0) return zU < 0 ? EdgeClass::Ridge : EdgeClass::Slope;
    return zU < 0 ? EdgeClass::Slope : EdgeClass::Stream;
}

}  // namespace zatriangles
