// Polylines made in the host's drawing as a DXF file would bring them:
// bulge groups only where a segment is an arc.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "arx/acedads.h"

// x, y, z (old-style only) and the bulge of the segment the vertex starts.
using PolylineVertex = std::array<double, 4>;

inline void appendList(resbuf*& head, resbuf* tail) {
    resbuf** end = &head;
    while (*end) end = &(*end)->rbnext;
    *end = tail;
}

// An LWPOLYLINE; its name in `name`.
inline void makeLwPolyline(const std::vector<PolylineVertex>& vertices, ads_name name, int flags = 0,
                           const ads_point extrusion = nullptr) {
    resbuf* list = acutBuildList(RTDXF0, "LWPOLYLINE", 8, "0", 90, static_cast<int>(vertices.size()), 70, flags, 0);
    for (const auto& v : vertices) {
        const ads_point p = {v[0], v[1], 0};
        appendList(list, v[3] == 0 ? acutBuildList(10, p, 0) : acutBuildList(10, p, 42, v[3], 0));
    }
    if (extrusion) appendList(list, acutBuildList(210, extrusion, 0));
    ASSERT_EQ(acdbEntMake(list), RTNORM);
    acutRelRb(list);
    acdbEntLast(name);
}

// A POLYLINE, its VERTEX entities and SEQEND; its name in `name`.
inline void makeOldStylePolyline(const std::vector<PolylineVertex>& vertices, ads_name name, int flags = 0,
                                 int vertexFlags = 0) {
    const ads_point origin = {0, 0, 0};
    const auto make = [](resbuf* list) {
        const int status = acdbEntMake(list);
        acutRelRb(list);
        return status;
    };
    ASSERT_EQ(make(acutBuildList(RTDXF0, "POLYLINE", 8, "0", 66, 1, 10, origin, 70, flags, 0)), RTNORM);
    for (const auto& v : vertices) {
        const ads_point p = {v[0], v[1], v[2]};
        resbuf* vertex = acutBuildList(RTDXF0, "VERTEX", 8, "0", 10, p, 70, vertexFlags, 0);
        if (v[3] != 0) appendList(vertex, acutBuildList(42, v[3], 0));
        ASSERT_EQ(make(vertex), RTNORM);
    }
    ASSERT_EQ(make(acutBuildList(RTDXF0, "SEQEND", 8, "0", 0)), RTNORM);
    acdbEntLast(name);
}
