// A triangle's lie on the ground: its normal, slope and aspect, and the
// drainage class of an edge between two triangles.
#pragma once

#include <string_view>

#include "shell/entity_maker.h"

namespace zatriangles {

// (P2 - P1) x (P3 - P2): upward (z > 0) when the corners run counter-clockwise in plan.
ZaPoint surfaceNormal(const ZaPoint& p1, const ZaPoint& p2, const ZaPoint& p3);

// Normals and drainage directions are ZaPoints too: x, y, z of a vector.

// Percent: 100 * horizontal / vertical part of the normal; 0 when the
// normal does not point up.
double slopePercent(const ZaPoint& normal);

// The bearing of the normal's horizontal part, clockwise from north
// (+y), in degrees 0 to 360.
double aspectDegrees(const ZaPoint& normal);

// Ten-degree classes 0 to 36, rounded to the nearest ten (354.9 is 36, not 0).
int aspectClass(double aspect);

// The normal scaled to a horizontal part of length 1; zero for a triangle
// too flat to drain anywhere.
ZaPoint drainageNormal(const ZaPoint& normal);

enum class EdgeClass { Boundary, Flat, Edge, Dipline, Ridge, Slope, Stream };
inline constexpr int kEdgeClassCount = 7;

// The layer an edge of the class is drawn on.
std::string_view edgeClassLayer(EdgeClass edgeClass);

// The edge from `from` to `to` between triangle t and its neighbour u,
// with their drainage normals: water runs off both sides (ridge), into it
// from both (stream), across it (slope), along it (dipline), or one side
// lies flat (edge, flat). `shortest` is the length below which the edge's
// direction is taken unscaled.
EdgeClass classifyEdge(const ZaPoint& from, const ZaPoint& to, const ZaPoint& mt, const ZaPoint& mu, double shortest);

}  // namespace zatriangles
