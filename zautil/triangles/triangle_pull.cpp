#include "triangles/triangle_pull.h"

#include <algorithm>

#include "triangles/surface_geometry.h"

namespace zatriangles {

bool pullTriangle(TriangleModel& model, TrianglePull& pull) {
    pull.got = model.readTriangle(pull.triangle);
    if (!pull.got || !pull.triangle.active()) return pull.got;
    const auto& vertices = pull.triangle.vertices;
    pull.inRange = std::all_of(vertices.begin(), vertices.end(), [&model](std::int32_t v) { return model.hasPoint(v); });
    if (!pull.inRange) return true;
    for (std::size_t k = 0; k < 3; ++k) pull.corners[k] = model.point(vertices[k]);
    pull.normal = surfaceNormal(pull.corners[0], pull.corners[1], pull.corners[2]);
    return true;
}

}  // namespace zatriangles
