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

// What an MTEXT's groups say of its text and its axes: its own groups
// first; columns follow group 75 there, and in later releases come after
// group 101 ("Embedded Object"), whose groups are numbered apart. The
// reader took the column heights that follow 75 (as every group 50 of an
// MTEXT) for angles in degrees.
struct MTextGroups {
    MTextFormat format;
    const Group* direction = nullptr;
    double rotation = 0;
};

MTextGroups mtextGroups(const EntityRecord& e) {
    MTextGroups m;
    MTextFormat& f = m.format;
    bool embedded = false;
    bool columns = false;
    bool rotated = false;
    for (const Group& g : e.groups()) {
        if (g.code == 101) embedded = true;
        if (!embedded) {
            switch (g.code) {
            case 40:
                f.height = g.real();
                break;
            case 41:
                f.width = g.real();
                break;
            case 71:
                f.attachment = static_cast<int>(std::clamp<std::int64_t>(g.integer, 1, 9));
                break;
            case 44:
                f.lineSpacing = std::clamp(g.real(), 0.25, 4.0);
                break;
            case 73:
                f.exactSpacing = g.integer == 2;
                break;
            case 46:
                f.columnHeight = g.real();
                break;
            case 11:
                if (!m.direction) m.direction = &g;
                break;
            case 75:
                columns = true;
                f.columnType = static_cast<int>(g.integer);
                break;
            case 76:
                f.columnCount = static_cast<int>(std::clamp<std::int64_t>(g.integer, 0, 100));
                break;
            case 48:
                f.columnWidth = g.real();
                break;
            case 49:
                f.gutter = g.real();
                break;
            case 50:
                if (columns && f.columnHeights.size() < 100) f.columnHeights.push_back(g.real() * kRadiansToDegrees);
                if (!columns && !rotated) m.rotation = g.real();
                rotated = true;
                break;
            default:
                break;
            }
            continue;
        }
        if (columns) continue;
        switch (g.code) {
        case 71:
            f.columnType = static_cast<int>(g.integer);
            break;
        case 72:
            f.columnCount = static_cast<int>(std::clamp<std::int64_t>(g.integer, 0, 100));
            break;
        case 44:
            f.columnWidth = g.real();
            break;
        case 45:
            f.gutter = g.real();
            break;
        case 46:
            if (f.columnHeights.size() < 100) f.columnHeights.push_back(g.real());
            break;
        default:
            break;
        }
    }
    if (!(f.height > 0) || !std::isfinite(f.height)) f.height = 1;
    for (double* v : {&f.width, &f.columnHeight, &f.columnWidth, &f.gutter}) {
        if (!(*v > 0) || !std::isfinite(*v)) *v = 0;
    }
    if (!std::isfinite(m.rotation)) m.rotation = 0;
    return m;
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
    const MTextGroups groups = mtextGroups(e);
    const MTextLayout layout = layoutMText(content, groups.format);
    const V3 normal = shapes::unit(e.extrusion());
    const shapes::Ocs ocs(normal);
    V3 xDir = groups.direction ? shapes::unit(e.pointOf(*groups.direction)) : V3{};
    if (shapes::norm(xDir) == 0) xDir = std::cos(groups.rotation) * ocs.xAxis() + std::sin(groups.rotation) * ocs.yAxis();
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
