// The one gate through which entity lists enter the drawing, and the builders
// for the plain entity kinds the commands draw.
#pragma once

#include <array>
#include <span>

#include "arx/adsdef.h"

// x, y, z in drawing units; a vector of these is a contiguous run of triples.
using ZaPoint = std::array<double, 3>;

// Hands the list to the host and releases it in every case. True when the
// host made the entity (or accepted the sequence element).
bool zaCreateEntity(resbuf* list);

// POLYLINE, VERTEX..., SEQEND. A first point repeated (in x and y) at the end
// closes the polyline instead of being written again. Fewer than two points
// are refused; a failure part-way leaves no open sequence behind.
bool zaMakePolyline(std::span<const ZaPoint> points, const char* layer);
bool zaMake3DPolyline(std::span<const ZaPoint> points, const char* layer);

// The host's verdict is not passed on: callers draw these by the thousand
// and carry on past one the host refuses.
void zaMakeLine(const ads_point start, const ads_point end, const char* layer, double thickness);
// Angles in radians, counter-clockwise from start to end.
void zaMakeArc(const ads_point centre, double radius, double startAngle, double endAngle, const char* layer,
               double thickness);
void zaMakeCircle(const ads_point centre, double radius, const char* layer, double thickness);
void zaMakePoint(const ads_point point, const char* layer);
