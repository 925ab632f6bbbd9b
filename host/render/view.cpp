#include "view.h"

#include <algorithm>
#include <cmath>

namespace zcad::render {

void Area::add(const P2& p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    x1 = std::min(x1, p.x);
    y1 = std::min(y1, p.y);
    x2 = std::max(x2, p.x);
    y2 = std::max(y2, p.y);
}

View fitView(const Area& area, double width, double height) {
    const double margin = std::max(2.0, 0.03 * std::min(width, height));
    const double usableW = std::max(1.0, width - 2 * margin);
    const double usableH = std::max(1.0, height - 2 * margin);
    double cx = 0;
    double cy = 0;
    double spanX = 0;
    double spanY = 0;
    if (!area.empty()) {
        // Halves first: the span of +-1e308 does not fit a double.
        cx = area.x1 / 2 + area.x2 / 2;
        cy = area.y1 / 2 + area.y2 / 2;
        spanX = area.x2 / 2 - area.x1 / 2;
        spanY = area.y2 / 2 - area.y1 / 2;
    }
    // A point, or a line along an axis: what has size sets the scale; a
    // single point shows one unit around it.
    if (spanX <= 0 && spanY <= 0) spanX = spanY = 0.5;
    double scale = std::min(spanX > 0 ? usableW / (2 * spanX) : 1e300, spanY > 0 ? usableH / (2 * spanY) : 1e300);
    if (!std::isfinite(scale) || scale <= 0) scale = 1;
    View view;
    view.scale = scale;
    view.left = cx - width / 2 / scale;
    view.top = cy + height / 2 / scale;
    return view;
}

View identityView() {
    View view;
    view.flipY = false;
    return view;
}

}  // namespace zcad::render
