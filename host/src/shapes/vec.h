// The small vector arithmetic the entity geometry needs.
#pragma once

#include <cmath>

namespace zcad::shapes {

struct V3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

constexpr V3 operator+(const V3& a, const V3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
constexpr V3 operator-(const V3& a, const V3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
constexpr V3 operator*(double s, const V3& v) { return {s * v.x, s * v.y, s * v.z}; }
constexpr double dot(const V3& a, const V3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
constexpr V3 cross(const V3& a, const V3& b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double norm(const V3& v) { return std::sqrt(dot(v, v)); }
inline V3 unit(const V3& v) {
    const double n = norm(v);
    return n > 0 ? (1.0 / n) * v : v;
}

}  // namespace zcad::shapes
