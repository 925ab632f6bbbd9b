// Text as a box: every character takes a cell as wide as the text is high
// (times the width factor), the pitch the host measures text with.
#include <algorithm>
#include <cctype>
#include <string>

#include "geom/text_metrics.h"
#include "geometry.h"

namespace zcad::shapes {

namespace {

// Corners of the box [x0, x1] x [y0, y1] on a baseline through `origin`
// along `xDir`, with `yDir` up, in world coordinates.
std::vector<V3> boxCorners(const V3& origin, const V3& xDir, const V3& yDir, double x0, double x1, double y0, double y1) {
    auto at = [&](double x, double y) { return origin + x * xDir + y * yDir; };
    return {at(x0, y0), at(x1, y0), at(x1, y1), at(x0, y1)};
}

// Horizontal alignment 72: 0 left, 1 centre, 2 right, 3 aligned, 4 middle,
// 5 fit. Vertical alignment (73, or 74 for attributes): 0 baseline,
// 1 bottom, 2 middle, 3 top.
void addLineText(const EntityRecord& e, Geometry& out) {
    const Ocs ocs = e.ocs();
    const double height = e.real(40, 0.0);
    const double width = static_cast<double>(geom::textCells(e.text(1))) * height * e.real(41, 1.0);
    const int horizontal = static_cast<int>(e.integer(72, 0));
    const int vertical = static_cast<int>(e.integer(e.type() == "TEXT" ? 73 : 74, 0));
    const int mirror = static_cast<int>(e.integer(71, 0));
    const bool aligned = (horizontal != 0 || vertical != 0) && e.has(11);

    V3 origin = e.point(10);
    double angle = e.real(50, 0.0);
    double x0 = 0;
    double x1 = width;
    if (aligned && (horizontal == 3 || horizontal == 5)) {
        const V3 end = e.point(11);
        angle = std::atan2(end.y - origin.y, end.x - origin.x);
        x1 = std::hypot(end.x - origin.x, end.y - origin.y);
    } else if (aligned) {
        origin = e.point(11);
        const double shift = horizontal == 1 || horizontal == 4 ? width / 2 : horizontal == 2 ? width : 0.0;
        x0 -= shift;
        x1 -= shift;
    }
    double y0 = 0;
    double y1 = height;
    if (aligned && (vertical == 2 || horizontal == 4)) {
        y0 = -height / 2;
        y1 = height / 2;
    } else if (aligned && vertical == 3) {
        y0 = -height;
        y1 = 0;
    }
    const double xSign = (mirror & 2) ? -1.0 : 1.0;
    const double ySign = (mirror & 4) ? -1.0 : 1.0;
    const V3 xDir = xSign * (std::cos(angle) * ocs.xAxis() + std::sin(angle) * ocs.yAxis());
    const V3 yDir = ySign * (-std::sin(angle) * ocs.xAxis() + std::cos(angle) * ocs.yAxis());
    out.addPolygon(boxCorners(ocs.toWorld(origin), xDir, yDir, x0, x1, y0, y1), true);
}

// Paragraphs of an MTEXT with its formatting codes taken out, as the
// number of cells of each.
std::vector<std::size_t> paragraphCells(std::string_view text) {
    std::vector<std::size_t> cells{0};
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '{' || c == '}') {
            ++i;
            continue;
        }
        if (c != '\\' || i + 1 >= text.size()) {
            ++cells.back();
            ++i;
            continue;
        }
        const char code = text[i + 1];
        i += 2;
        if (code == 'P') {
            cells.push_back(0);
        } else if (std::string_view("LlOoKk").find(code) != std::string_view::npos) {
            // switches only
        } else if (std::string_view("ACFfHQTWpS").find(code) != std::string_view::npos) {
            const auto end = text.find(';', i);
            i = end == std::string_view::npos ? text.size() : end + 1;
        } else {
            ++cells.back();  // \\ \{ \} \~ and the like draw one character
        }
    }
    return cells;
}

// Attachment 71: 1..9 for top/middle/bottom rows of left/centre/right.
void addMText(const EntityRecord& e, Geometry& out) {
    std::string content;
    for (const auto& g : e.groups()) {
        if (g.code == 3) content += g.text;
    }
    content += e.text(1);
    const double height = e.real(40, 1.0);
    const double cell = height;
    const double limit = e.real(41, 0.0);
    double width = 0;
    std::size_t lines = 0;
    for (const std::size_t n : paragraphCells(content)) {
        const double w = static_cast<double>(n) * cell;
        const bool wraps = limit > 0 && w > limit;
        lines += wraps ? static_cast<std::size_t>(std::ceil(w / limit)) : 1;
        width = std::max(width, wraps ? limit : w);
    }
    const double spacing = height * 5.0 / 3.0 * e.real(44, 1.0);
    const double total = height + static_cast<double>(lines - 1) * spacing;

    const int attachment = std::clamp(static_cast<int>(e.integer(71, 1)), 1, 9);
    const double fx = ((attachment - 1) % 3) * 0.5;
    const double fy = ((attachment - 1) / 3) * 0.5;  // 0 top, 1 bottom
    const V3 normal = unit(e.extrusion());
    const Ocs ocs(normal);
    V3 xDir = e.has(11) ? unit(e.point(11)) : V3{};
    if (norm(xDir) == 0) {
        const double angle = e.real(50, 0.0);
        xDir = std::cos(angle) * ocs.xAxis() + std::sin(angle) * ocs.yAxis();
    }
    const V3 yDir = unit(cross(ocs.zAxis(), xDir));
    const double x0 = -fx * width;
    const double y1 = fy * total;
    out.addPolygon(boxCorners(e.point(10), xDir, yDir, x0, x0 + width, y1 - total, y1), true);
}

}  // namespace

void addTextShape(const EntityRecord& e, Geometry& out) {
    if (e.type() == "MTEXT") return addMText(e, out);
    addLineText(e, out);
}

}  // namespace zcad::shapes
