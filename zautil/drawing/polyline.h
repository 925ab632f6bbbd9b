// A polyline as the drawing holds it, both kinds read alike: an old-style
// POLYLINE with the VERTEX entities that follow it, or an LWPOLYLINE with
// its vertices in its own list. Each vertex carries the bulge and widths of
// the segment it starts and its point in the polyline's own system.
#pragma once

#include <cstddef>
#include <limits>
#include <string_view>
#include <vector>

#include "arx/adsdef.h"
#include "drawing/drawing_fault.h"
#include "drawing/object_system.h"
#include "geometry/point.h"

namespace zadrawing {

// Header flags (group 70).
inline constexpr long kPolylineClosed = 1;
inline constexpr long kPolylineSplineFit = 4;
inline constexpr long kPolyline3D = 8;
inline constexpr long kPolygonMesh = 16;
inline constexpr long kPolyfaceMesh = 64;

struct PolylineVertex {
    ZaPoint at{};  // an LWPOLYLINE's at its elevation
    double bulge = 0;
    double startWidth = 0;
    double endWidth = 0;
    long flags = 0;  // a VERTEX's group 70; 0 for an LWPOLYLINE's
};

// What a command refuses, in the order of the tests, and the most vertices
// it reads: an old-style polyline stops there, a longer LWPOLYLINE is
// refused.
struct PolylineRules {
    bool refuseMeshes = true;
    bool refuseClosed = false;
    bool refuseSplineFit = true;
    std::size_t mostVertices = std::numeric_limits<std::size_t>::max();
};

class Polyline {
public:
    // Reads the polyline whose entity and list are given. After a fault in
    // the vertices, those read before it remain.
    DrawingFault read(const ads_name entity, const resbuf* list, const PolylineRules& rules = {});

    bool lightweight() const { return lightweight_; }
    long flags() const { return flags_; }
    bool closed() const { return (flags_ & kPolylineClosed) != 0; }
    const std::vector<PolylineVertex>& vertices() const { return vertices_; }
    // Its points into the target: a 3D polyline's and a mesh's are in the
    // world, every other's in the system of its extrusion.
    ObjectSystem system(TargetSystem target) const;

private:
    DrawingFault readLightweight(const resbuf* list, const PolylineRules& rules);
    DrawingFault readVertexEntities(const ads_name entity, const resbuf* header, std::size_t most);

    bool lightweight_ = false;
    long flags_ = 0;
    ZaPoint extrusion_{0, 0, 1};
    std::vector<PolylineVertex> vertices_;  // its room kept for the next polyline
};

}  // namespace zadrawing
