#include "import/import_view.h"

#include <string>

#include "arx/acedads.h"
#include "files/formatted.h"

namespace zaimport {
namespace {

std::string corner(double x, double y) { return zafiles::formatted("%13.3f,%13.3f", x, y); }

void print(const ImportExtents& e, const ExtentsReport& report) {
    acutPrintf(report.east, e.minX, e.maxX);
    acutPrintf(report.north, e.minY, e.maxY);
}

}  // namespace

void zoomToImport(const ImportExtents& extents, const ExtentsReport& report) {
    if (!extents.hasArea()) {
        acedCommandS(RTSTR, "zoom", RTSTR, "e", RTNONE);
        return;
    }
    if (report.beforeZoom) print(extents, report);
    const std::string lower = corner(extents.minX, extents.minY);
    const std::string upper = corner(extents.maxX, extents.maxY);
    acedCommandS(RTSTR, "zoom", RTSTR, "w", RTSTR, lower.c_str(), RTSTR, upper.c_str(), RTNONE);
    // Corners closer than the printed decimals make no window: end the
    // zoom rather than leave it waiting.
    acedCommandS(RTNONE);
    if (!report.beforeZoom) print(extents, report);
}

void showPointsAsCrosses() { acedCommandS(RTSTR, "pdmode", RTSTR, "3", RTNONE); }

}  // namespace zaimport
