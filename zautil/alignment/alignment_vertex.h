// An alignment as the suite describes it: a list of vertex records that
// starts as a polyline's vertices and becomes the list of intersection
// points (IPs) with their radii and running chainages.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry/bulge_arc.h"

struct ZaAlignmentVertex {
    double x = 0;
    double y = 0;
    double z = 0;
    // As read: the bulge of the segment that starts here. After the path
    // computation: 0 for an end point or an angle point, the radius of a
    // curve's IP, or kZaTangentPoint.
    double bulgeOrRadius = 0;
    double chainage = 0;  // plan distance along the alignment from its start

    ZaPoint point() const { return {x, y, z}; }
    bool operator==(const ZaAlignmentVertex&) const = default;
};

inline constexpr double kZaTangentPoint = -1;

// The most records an alignment list holds, at every stage.
inline constexpr std::size_t kZaAlignmentMostVertices = 1600;

using ZaAlignment = std::vector<ZaAlignmentVertex>;
