// The module's one point: x, y, z in drawing units, plan points with z 0.
// Its axes are also reachable by number, for code that treats them alike.
#pragma once

#include <cstddef>

struct ZaPoint {
    double x = 0;
    double y = 0;
    double z = 0;

    constexpr double& operator[](std::size_t axis) { return axis == 0 ? x : axis == 1 ? y : z; }
    constexpr const double& operator[](std::size_t axis) const { return axis == 0 ? x : axis == 1 ? y : z; }
    bool operator==(const ZaPoint&) const = default;
};
