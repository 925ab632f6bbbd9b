// The view ZOOM sets: a centre and a height on a display of fixed shape.
#pragma once

#include "word.h"
#include "zcad/database.h"

namespace zcad::commands {

// Width over height of the headless display, as a drawing's active
// viewport records it.
constexpr double kViewAspect = 1.5;

// Shows the window with corners a and b whole. False when both corners
// are the same point.
bool zoomWindow(Database& db, const Point3& a, const Point3& b);
// Shows the drawing's extents; nothing happens in an empty drawing.
void zoomExtents(Database& db);

}  // namespace zcad::commands
