// Arcs as the drawing holds them: an ARC's centre, radius and angles, or a
// polyline segment with a bulge (the tangent of a quarter of its included
// angle, positive counter-clockwise).
#pragma once

#include <optional>

#include "geometry/point.h"

inline constexpr double kZaFullTurn = 6.283185307179586;

// An arc to be walked: angles in radians with end >= start. Direction +1
// walks counter-clockwise from start, -1 clockwise from end, so a bulged
// segment is walked from its first vertex to its second either way.
struct ZaArc {
    ZaPoint centre{};
    double radius = 0;
    double start = 0;
    double end = 0;
    int direction = 1;
};

struct ZaArcCentre {
    ZaPoint centre{};
    double radius = 0;
};

// The centre (at p1's level) and radius of the segment from p1 to p2 with
// bulge b, b != 0.
ZaArcCentre CalcArc(const ZaPoint& p1, const ZaPoint& p2, double bulge);

// The point halfway along the arc from p1 to p2 with bulge b, b != 0, at
// p1's level.
ZaPoint zaBulgeMidpoint(const ZaPoint& p1, const ZaPoint& p2, double bulge);
// The bulge of each half of that arc.
double zaHalfBulge(double bulge);
// The length of that arc.
double zaBulgeArcLength(const ZaPoint& p1, const ZaPoint& p2, double bulge);
// Where the tangents at the two ends of an arc about the centre meet (a
// curve's intersection point), at p1's level; not finite when they are
// parallel (a half circle).
ZaPoint zaArcTangentsMeet(const ZaPoint& p1, const ZaPoint& p2, const ZaPoint& centre);

// The arc of a bulged segment. Nothing when the segment is no arc to walk:
// a zero bulge, coincident ends, or a bulge so small or so strange that
// its centre is not a finite point; the segment is then a straight.
std::optional<ZaArc> zaBulgeArc(const ZaPoint& p1, const ZaPoint& p2, double bulge);

// An ARC entity's (or a CIRCLE's, from 0 to a full turn): counter-clockwise,
// a full turn added to an end angle below the start.
ZaArc zaEntityArc(const ZaPoint& centre, double radius, double startAngle, double endAngle);
