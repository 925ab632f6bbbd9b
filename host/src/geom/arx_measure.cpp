// Points, angles and distances of the host's utility calls.
#include <cmath>
#include <numbers>

#include "arx/acedads.h"

void acutPolar(const ads_point point, ads_real angle, ads_real distance, ads_point result) {
    if (!point || !result) return;
    // result may be point itself.
    const ads_real x = point[X] + distance * std::cos(angle);
    const ads_real y = point[Y] + distance * std::sin(angle);
    result[X] = x;
    result[Y] = y;
    result[Z] = point[Z];
}

ads_real acutAngle(const ads_point from, const ads_point to) {
    if (!from || !to) return 0.0;
    const ads_real a = std::atan2(to[Y] - from[Y], to[X] - from[X]);
    if (a == 0) return 0.0;  // never -0
    if (a > 0) return a;
    const ads_real wrapped = a + 2 * std::numbers::pi;
    // A tiny negative angle must not round up to a full turn.
    return wrapped < 2 * std::numbers::pi ? wrapped : 0.0;
}

ads_real acutDistance(const ads_point from, const ads_point to) {
    if (!from || !to) return 0.0;
    return std::hypot(to[X] - from[X], to[Y] - from[Y], to[Z] - from[Z]);
}
