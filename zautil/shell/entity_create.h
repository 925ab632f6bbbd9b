// The module's named entity builders, each for one entity: the list goes
// through the gate (shell/entity_gate.h). A command that draws many keeps
// a ZaEntityMaker instead (shell/entity_maker.h).
#pragma once

#include <span>

#include "arx/adsdef.h"
#include "shell/entity_maker.h"

// Hands the list to the host and releases it in every case. False for a
// missing list; else true when the host made the entity (or accepted the
// sequence element).
bool zaCreateEntity(resbuf* list);

// As ZaEntityMaker::polyline.
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
