#include "zoom_view.h"

#include <algorithm>
#include <cmath>

#include "zcad/entity_shape.h"

namespace zcad::commands {

namespace {

void showBox(Database& db, double x0, double y0, double x1, double y1) {
    const double width = std::fabs(x1 - x0);
    const double height = std::max(std::fabs(y1 - y0), width / kViewAspect);
    db.view.set = true;
    db.view.centre[0] = (x0 + x1) / 2;
    db.view.centre[1] = (y0 + y1) / 2;
    // A single point keeps the height it was seen at.
    if (height > 0) db.view.height = height;
    db.noteChange();  // the view is saved with the drawing
}

}  // namespace

bool zoomWindow(Database& db, const Point3& a, const Point3& b) {
    if (a.x == b.x && a.y == b.y) return false;
    showBox(db, a.x, a.y, b.x, b.y);
    return true;
}

void zoomExtents(Database& db) {
    const Box box = drawingExtents(db);
    if (box.empty()) return;
    showBox(db, box.min[0], box.min[1], box.max[0], box.max[1]);
}

}  // namespace zcad::commands
