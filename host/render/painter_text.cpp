// Texts: single-line ones in the host's box, MTEXT set by its own layout.
#include <algorithm>
#include <cmath>

#include "geom/text_metrics.h"
#include "mtext_layout.h"
#include "painter.h"
#include "text_lines.h"

namespace zcad::render {

using shapes::EntityRecord;
using shapes::V3;

namespace {

constexpr double kRadiansToDegrees = 57.29577951308232;

P2 minus(const P2& a, const P2& b) { return {a.x - b.x, a.y - b.y}; }
P2 scaled(const P2& a, double k) { return {a.x * k, a.y * k}; }
P2 plus(const P2& a, const P2& b) { return {a.x + b.x, a.y + b.y}; }
double size(const P2& a) { return std::hypot(a.x, a.y); }

// The MTEXT's own groups; column heights follow the column type, and the
// reader took them (as every group 50 of an MTEXT) for angles in degrees.
MTextFormat mtextFormat(const EntityRecord& e) {
    MTextFormat f;
    f.height = e.real(40, 1.0);
    if (!(f.height > 0) || !std::isfinite(f.height)) f.height = 1;
    f.width = std::max(0.0, e.real(41, 0.0));
    f.attachment = static_cast<int>(std::clamp<std::int64_t>(e.integer(71, 1), 1, 9));
    f.lineSpacing = std::clamp(e.real(44, 1.0), 0.25, 4.0);
    f.exactSpacing = e.integer(73, 1) == 2;
    bool columns = false;
    for (const Group& g : e.groups()) {
        if (g.code == 75) {
            columns = true;
            f.columnType = static_cast<int>(g.integer);
        }
        if (!columns) continue;
        if (g.code == 76) f.columnCount = static_cast<int>(std::clamp<std::int64_t>(g.integer, 0, 100));
        if (g.code == 48) f.columnWidth = std::max(0.0, g.real());
        if (g.code == 49) f.gutter = std::max(0.0, g.real());
        if (g.code == 50 && f.columnHeights.size() < 100) f.columnHeights.push_back(g.real() * kRadiansToDegrees);
    }
    f.columnHeight = std::max(0.0, e.real(46, 0.0));
    if (!std::isfinite(f.width)) f.width = 0;
    return f;
}

}  // namespace

// Each character in a cell of the host's pitch, in the box the host
// measures the text by; where escapes make fewer characters than the host
// counts cells, they sit in the box as the text's alignment puts them.
void Painter::drawText(const EntityRecord& e, const Context& context) {
    shape_.clear();
    shapes::addTextShape(e, shape_);
    if (shape_.areas.empty() || shape_.areas.front().size() != 4) return;
    const auto& box = shape_.areas.front();
    const std::string_view text = e.text(1);
    const auto cells = static_cast<double>(geom::textCells(text));
    if (cells == 0) return;
    const P2 origin = map(box[0], context);
    const P2 width = minus(map(box[1], context), origin);
    TextFrame frame{origin, scaled(width, 1 / cells), minus(map(box[3], context), origin)};
    // Most texts are plain: every cell one character, nothing to decode.
    const bool plain = text.find_first_of("\\%") == std::string_view::npos;
    if (plain && !sink_.measuring() && size(frame.up) < kLegibleHeight) return sink_.segment(frame.at(0, 0.5), frame.at(cells, 0.5));
    thread_local std::vector<LineChar> chars;
    lineChars(text, chars);
    if (chars.empty()) return;
    const auto shown = static_cast<double>(chars.size());
    if (shown != cells) {
        const std::int64_t align = e.integer(72, 0);
        if (align == 3 || align == 5) {
            frame.across = scaled(width, 1 / shown);
        } else {
            const double share = align == 1 || align == 4 ? 0.5 : align == 2 ? 1.0 : 0.0;
            frame.origin = plus(origin, scaled(frame.across, (cells - shown) * share));
        }
    }
    if (sink_.measuring()) {
        const P2 corners[] = {frame.at(0, 0), frame.at(shown, 0), frame.at(shown, 1), frame.at(0, 1)};
        return sink_.polygon(corners);
    }
    // Oblique text leans its upright strokes along the line.
    const double oblique = e.real(51, 0.0);
    const double along = size(frame.across);
    if (oblique != 0 && std::fabs(oblique) < 1.5 && along > 0) {
        frame.up = plus(frame.up, scaled(frame.across, std::tan(oblique) * size(frame.up) / along));
    }
    drawTextLine(chars, frame, sink_);
}

void Painter::drawMText(const EntityRecord& e, const Context& context, const Look& look) {
    std::string content;
    for (const auto& g : e.groups()) {
        if (g.code == 3) content += g.text;
    }
    content += e.text(1);
    const MTextLayout layout = layoutMText(content, mtextFormat(e));
    const V3 normal = shapes::unit(e.extrusion());
    const shapes::Ocs ocs(normal);
    V3 xDir = e.has(11) ? shapes::unit(e.point(11)) : V3{};
    if (shapes::norm(xDir) == 0) {
        const double angle = e.real(50, 0.0);
        xDir = std::cos(angle) * ocs.xAxis() + std::sin(angle) * ocs.yAxis();
    }
    const V3 yDir = shapes::unit(shapes::cross(ocs.zAxis(), xDir));
    const V3 at = e.point(10);
    const P2 origin = map(at, context);
    const P2 along = minus(map(at + xDir, context), origin);
    const P2 up = minus(map(at + yDir, context), origin);
    if (sink_.measuring()) {
        for (const MTextRule& line : layout.lines) {
            const auto corner = [&](double x, double y) { return plus(origin, plus(scaled(along, x), scaled(up, y))); };
            const P2 corners[] = {corner(line.x0, line.y), corner(line.x1, line.y), corner(line.x1, line.y + line.height),
                                  corner(line.x0, line.y + line.height)};
            sink_.polygon(corners);
        }
        return;
    }
    drawMTextLayout(layout, origin, along, up, context, look, penWidth(look));
}

void Painter::drawMTextLayout(const MTextLayout& layout, const P2& origin, const P2& along, const P2& up, const Context& context,
                              const Look& look, double pen) {
    const double upward = size(up);
    const auto colourOf = [&](std::int32_t code) {
        if (code == kOwnColour || code == 256) return look.colour;
        if (code & kTrueColour) return legibleOn(trueColour(code & 0xFFFFFF), style_.ground, style_.ink);
        if (code == 0) return context.depth > 0 ? context.byBlock.colour : style_.ink;
        return legibleOn(code == 7 ? style_.ink : indexedColour(code), style_.ground, style_.ink);
    };
    const auto point = [&](double x, double y) { return plus(origin, plus(scaled(along, x), scaled(up, y))); };
    // Lines too small to read are drawn as a stroke through their middle.
    for (const MTextRule& line : layout.lines) {
        if (line.height * upward >= kLegibleHeight) continue;
        sink_.pen(look.colour, pen);
        sink_.segment(point(line.x0, line.y + line.height / 2), point(line.x1, line.y + line.height / 2));
    }
    for (const MTextGlyph& g : layout.glyphs) {
        if (g.height * upward < kLegibleHeight) continue;
        sink_.pen(colourOf(g.colour), pen);
        const P2 across = scaled(along, g.height * g.widthFactor);
        const P2 rise = plus(scaled(up, g.height), scaled(along, g.height * std::tan(g.oblique)));
        drawGlyph(g.c, {point(g.x, g.y), across, rise}, Pitch::Proportional, sink_);
    }
    for (const MTextRule& rule : layout.rules) {
        sink_.pen(colourOf(rule.colour), pen);
        sink_.segment(point(rule.x0, rule.y), point(rule.x1, rule.y));
    }
    sink_.pen(look.colour, pen);
}

}  // namespace zcad::render
