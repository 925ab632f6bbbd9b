#include "polyline_measure.h"

#include <cmath>
#include <vector>

#include "shapes/entity_record.h"
#include "zcad/entity_shape.h"

namespace zcad::commands {

namespace {

struct Corner {
    double x;
    double y;
    double z;  // a 3D polyline's length runs in space
    double bulge;
};

std::vector<Corner> lwCorners(const shapes::EntityRecord& e) {
    std::vector<Corner> out;
    for (const Group& g : e.groups()) {
        if (g.code == 10) out.push_back({g.xyz[0], g.xyz[1], 0, 0});
        if (g.code == 42 && !out.empty()) out.back().bulge = g.real();
    }
    return out;
}

std::vector<Corner> vertexCorners(const Database& db, EntityId id, bool withBulges) {
    std::vector<Corner> out;
    for (const EntityId sub : subEntities(db, id)) {
        const shapes::EntityRecord v(db, sub);
        if (v.type() != "VERTEX") continue;
        const shapes::V3 at = v.point(10);
        out.push_back({at.x, at.y, at.z, withBulges ? v.real(42, 0.0) : 0.0});
    }
    return out;
}

}  // namespace

std::optional<PolylineMeasure> measurePolyline(const Database& db, EntityId id) {
    const shapes::EntityRecord e(db, id);
    std::vector<Corner> corners;
    const std::int64_t flags = e.integer(70, 0);
    if (e.type() == "LWPOLYLINE") {
        corners = lwCorners(e);
    } else if (e.type() == "POLYLINE") {
        if (flags & (shapes::kPolygonMesh | shapes::kPolyfaceMesh)) return std::nullopt;
        corners = vertexCorners(db, id, !(flags & shapes::kPolyline3d));
    } else {
        return std::nullopt;
    }
    PolylineMeasure m;
    m.closed = (flags & 1) != 0;
    m.vertices = corners.size();
    const std::size_t n = corners.size();
    double twiceArea = 0;
    double arcArea = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Corner& a = corners[i];
        const Corner& b = corners[(i + 1) % n];
        twiceArea += a.x * b.y - b.x * a.y;
        const bool counted = i + 1 < n || m.closed;
        const double chord = std::hypot(b.x - a.x, b.y - a.y, b.z - a.z);
        if (a.bulge == 0 || chord == 0) {
            if (counted) m.length += chord;
            continue;
        }
        // The arc's sweep is four times the bulge's arctangent.
        const double sweep = 4 * std::atan(std::fabs(a.bulge));
        const double radius = chord / (2 * std::sin(sweep / 2));
        if (!counted) continue;
        m.length += radius * sweep;
        arcArea += std::copysign(radius * radius / 2 * (sweep - std::sin(sweep)), a.bulge);
    }
    m.area = std::fabs(twiceArea / 2 + arcArea);
    return m;
}

}  // namespace zcad::commands
