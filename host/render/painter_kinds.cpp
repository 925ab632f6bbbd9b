// Kinds with a shape of their own: hatches, dimensions that come without
// their block, leaders, multilines, meshes, construction lines, and frames
// for what has no shape to draw.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "geom/drawing_vars.h"
#include "group_cursor.h"
#include "mtext_layout.h"
#include "painter.h"
#include "stand_ins.h"
#include "zcad/text.h"

namespace zcad::render {

using shapes::EntityRecord;
using shapes::V3;

namespace {

constexpr double kPi = 3.14159265358979323846;
// More vertices or faces than this in one entity is a damaged file.
constexpr std::int64_t kMostItems = 1 << 22;

P2 minus(const P2& a, const P2& b) { return {a.x - b.x, a.y - b.y}; }
double size(const P2& a) { return std::hypot(a.x, a.y); }

V3 flat(const V3& v) { return {v.x, v.y, 0}; }
V3 perpendicular(const V3& v) { return {-v.y, v.x, 0}; }

// What a dimension is drawn with: the drawing's dimension variables, as
// the entity's own overrides (extended data "ACAD", "DSTYLE") change them.
struct DimensionLook {
    double arrow = 0.18;
    double tick = 0;
    double text = 0.18;
    double extensionGap = 0.0625;
    double extensionBeyond = 0.18;
    double scale = 1;
    int decimals = 4;
    int angleDecimals = 0;
};

DimensionLook dimensionLook(const Database& db, const EntityRecord& e) {
    DimensionLook d;
    d.arrow = geom::headerReal(db, "$DIMASZ", 40, d.arrow);
    d.tick = geom::headerReal(db, "$DIMTSZ", 40, d.tick);
    d.text = geom::headerReal(db, "$DIMTXT", 40, d.text);
    d.extensionGap = geom::headerReal(db, "$DIMEXO", 40, d.extensionGap);
    d.extensionBeyond = geom::headerReal(db, "$DIMEXE", 40, d.extensionBeyond);
    d.scale = geom::headerReal(db, "$DIMSCALE", 40, d.scale);
    d.decimals = geom::headerInt(db, "$DIMDEC", 70, d.decimals);
    d.angleDecimals = geom::headerInt(db, "$DIMADEC", 70, d.angleDecimals);
    const std::vector<Group>& groups = e.groups();
    bool acad = false;
    for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
        if (groups[i].code == 1001) acad = groups[i].text == "ACAD";
        if (!acad || groups[i].code != 1070) continue;
        const Group& value = groups[i + 1];
        const double v = value.code == 1040 ? value.real() : static_cast<double>(value.integer);
        if (!std::isfinite(v)) continue;
        switch (groups[i].integer) {
        case 40:
            d.scale = v;
            break;
        case 41:
            d.arrow = v;
            break;
        case 42:
            d.extensionGap = v;
            break;
        case 44:
            d.extensionBeyond = v;
            break;
        case 142:
            d.tick = v;
            break;
        case 140:
            d.text = v;
            break;
        case 271:
            d.decimals = static_cast<int>(std::clamp(v, 0.0, 8.0));
            break;
        case 179:
            d.angleDecimals = static_cast<int>(std::clamp(v, 0.0, 8.0));
            break;
        default:
            continue;
        }
        ++i;
    }
    if (!(d.scale > 0) || !std::isfinite(d.scale)) d.scale = 1;
    d.decimals = std::clamp(d.decimals, 0, 8);
    d.angleDecimals = std::clamp(d.angleDecimals, 0, 8);
    return d;
}

// The dimension's text: its own, with "<>" standing for the measurement.
std::string dimensionText(std::string_view own, const std::string& measured) {
    if (own == " ") return {};
    std::string text(own.empty() ? std::string_view("<>") : own);
    const std::size_t at = text.find("<>");
    if (at != std::string::npos) text.replace(at, 2, measured);
    return text;
}

std::string formatted(double value, int decimals, std::string_view before, std::string_view after) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.*f", decimals, value);
    return std::string(before) + digits + std::string(after);
}

// Where two lines a + s (b - a) and c + t (d - c) meet; false when parallel.
bool meet(const V3& a, const V3& b, const V3& c, const V3& d, V3& at) {
    const V3 r = b - a;
    const V3 s = d - c;
    const double det = r.x * s.y - r.y * s.x;
    if (std::fabs(det) < 1e-12 * (shapes::norm(r) * shapes::norm(s))) return false;
    const double t = ((c.x - a.x) * s.y - (c.y - a.y) * s.x) / det;
    at = a + t * r;
    return true;
}

}  // namespace

void Painter::drawHatch(const EntityRecord& e, const Context& context, const Look& look) {
    const shapes::Ocs ocs = e.ocs();
    const PlaneMap onPlane = plane(ocs, e.point(10).z, context);
    const double unitsPerDrawingUnit = std::sqrt(std::fabs(onPlane.xAxis.x * onPlane.yAxis.y - onPlane.xAxis.y * onPlane.yAxis.x));
    const double flat = sink_.flatness();
    const HatchLoops loops = hatchLoops(e, flat > 0 && unitsPerDrawingUnit > 0 ? flat / unitsPerDrawingUnit : 0.0);
    if (loops.ends.empty()) return;
    corners_.clear();
    for (const P2& p : loops.points) corners_.push_back(onPlane.apply(p));
    HatchLook hatch = hatchLook(e, metric_);
    if (hatch.solid || sink_.measuring()) {
        if (const Group* first = e.find(421); first && e.integer(450, 0) != 0) {
            sink_.pen(legibleOn(trueColour(first->integer), style_.ground, style_.ink), 0);
        }
        sink_.area(corners_, loops.ends, FillRule::EvenOdd);
        sink_.pen(look.colour, penWidth(look));
        return;
    }
    Area clip;
    clip.add({0, 0});
    clip.add({style_.pictureWidth, style_.pictureHeight});
    for (const HatchFamily& family : hatch.families) drawHatchFamily(family, onPlane, corners_, loops.ends, clip, sink_);
}

// A filled arrowhead with its tip at `tip`, pointing away from `tail`.
void Painter::drawArrow(const V3& tip, const V3& tail, double length, const Context& context) {
    const V3 back = flat(tail - tip);
    const double distance = shapes::norm(back);
    if (!(distance > 0) || !(length > 0)) return;
    const V3 along = (length / distance) * back;
    const V3 side = (1.0 / 6) * perpendicular(along);
    const V3 corners[] = {tip, tip + along + side, tip + along - side};
    emitPolygon(corners, context);
}

void Painter::drawDimension(const EntityRecord& e, const Context& context, const Look& look) {
    if (e.type() != "DIMENSION") return;
    const DimensionLook d = dimensionLook(drawing_, e);
    const double arrow = d.arrow * d.scale;
    const shapes::Ocs ocs = e.ocs();
    const V3 on = e.point(10);
    const V3 p1 = e.point(13);
    const V3 p2 = e.point(14);
    const V3 p3 = e.point(15);
    const V3 arcAt = ocs.toWorld(e.point(16));
    const auto segment = [&](const V3& a, const V3& b) { sink_.segment(map(a, context), map(b, context)); };
    const auto ends = [&](const V3& a, const V3& b) {
        // Ticks across the line where the drawing asks for them, else arrows.
        if (d.tick > 0) {
            const V3 dir = shapes::unit(flat(b - a));
            const V3 slant = (d.tick * d.scale / 2) * shapes::unit(dir + perpendicular(dir));
            segment(a - slant, a + slant);
            segment(b - slant, b + slant);
            return;
        }
        drawArrow(a, b, arrow, context);
        drawArrow(b, a, arrow, context);
    };
    const std::int64_t kind = e.integer(70, 0) & 7;
    std::string measured;
    V3 textAt = ocs.toWorld(e.point(11));
    V3 textDir{1, 0, 0};
    const double actual = e.real(42, -1.0);
    if (kind == 0 || kind == 1) {
        // Linear (along the dimension's angle) and aligned (along its points).
        const double angle = e.real(50, 0.0);
        const V3 dir = kind == 0 ? V3{std::cos(angle), std::sin(angle), 0} : shapes::unit(flat(p2 - p1));
        if (shapes::norm(dir) == 0) return;
        const V3 normal = perpendicular(dir);
        const V3 foot1 = p1 + shapes::dot(flat(on - p1), normal) * normal;
        const V3 foot2 = p2 + shapes::dot(flat(on - p2), normal) * normal;
        for (const auto& [from, foot] : {std::pair{p1, foot1}, std::pair{p2, foot2}}) {
            const V3 out = flat(foot - from);
            const double length = shapes::norm(out);
            if (length <= 0) continue;
            const V3 unitOut = (1 / length) * out;
            segment(from + d.extensionGap * d.scale * unitOut, foot + d.extensionBeyond * d.scale * unitOut);
        }
        segment(foot1, foot2);
        ends(foot1, foot2);
        measured = formatted(actual >= 0 ? actual : std::fabs(shapes::dot(flat(p2 - p1), dir)), d.decimals, "", "");
        textDir = dir;
        if (!e.has(11)) textAt = 0.5 * (foot1 + foot2);
    } else if (kind == 2 || kind == 5) {
        // Angular, by two lines or by a vertex and two points; the arc through its point.
        V3 centre = p3;
        V3 toFirst = p1 - p3;
        V3 toSecond = p2 - p3;
        V3 through = on;
        if (kind == 2) {
            if (!meet(p1, p2, on, p3, centre)) return;
            toFirst = shapes::norm(flat(p1 - centre)) > shapes::norm(flat(p2 - centre)) ? p1 - centre : p2 - centre;
            toSecond = shapes::norm(flat(on - centre)) > shapes::norm(flat(p3 - centre)) ? on - centre : p3 - centre;
            through = arcAt;
        }
        const double radius = shapes::norm(flat(through - centre));
        double a0 = std::atan2(toFirst.y, toFirst.x);
        double a1 = std::atan2(toSecond.y, toSecond.x);
        const double at = std::atan2(through.y - centre.y, through.x - centre.x);
        const auto within = [](double from, double to, double t) {
            const double sweep = std::fmod(to - from + 4 * kPi, 2 * kPi);
            return std::fmod(t - from + 4 * kPi, 2 * kPi) <= sweep;
        };
        if (!within(a0, a1, at)) std::swap(a0, a1);
        const double sweep = std::fmod(a1 - a0 + 4 * kPi, 2 * kPi);
        if (!(radius > 0)) return;
        const int steps = std::max(8, static_cast<int>(sweep / (2 * kPi) * 128));
        const auto point = [&](double t) { return centre + radius * V3{std::cos(t), std::sin(t), 0}; };
        for (int k = 0; k < steps; ++k) segment(point(a0 + sweep * k / steps), point(a0 + sweep * (k + 1) / steps));
        const double tangent = std::min(arrow, radius * sweep / 3);
        drawArrow(point(a0), point(a0) + tangent * V3{-std::sin(a0), std::cos(a0), 0}, arrow, context);
        drawArrow(point(a1), point(a1) - tangent * V3{-std::sin(a1), std::cos(a1), 0}, arrow, context);
        measured = formatted(actual >= 0 ? actual * 180 / kPi : sweep * 180 / kPi, d.angleDecimals, "", "%%d");
        if (!e.has(11)) textAt = point(a0 + sweep / 2);
        textDir = {-std::sin(a0 + sweep / 2), std::cos(a0 + sweep / 2), 0};
    } else if (kind == 3 || kind == 4) {
        // Diameter (across from 15 to 10) and radius (from the centre 10 to 15).
        segment(on, p3);
        drawArrow(p3, on, arrow, context);
        if (kind == 3) drawArrow(on, p3, arrow, context);
        const double length = shapes::norm(flat(p3 - on));
        measured = formatted(actual >= 0 ? actual : length, d.decimals, kind == 3 ? "%%c" : "R", "");
        textDir = shapes::unit(flat(p3 - on));
        if (!e.has(11)) textAt = 0.5 * (on + p3);
    } else if (kind == 6) {
        // Ordinate: a leader from the feature to the text.
        segment(p1, p2);
        const bool alongX = (e.integer(70, 0) & 64) != 0;
        measured = formatted(actual >= 0 ? actual : (alongX ? p1.x - on.x : p1.y - on.y), d.decimals, "", "");
    }
    const std::string text = dimensionText(e.text(1), measured);
    if (text.empty()) return;
    // Text reads from left to right, and upwards when it stands.
    if (e.has(53)) textDir = {std::cos(e.real(53, 0.0)), std::sin(e.real(53, 0.0)), 0};
    if (textDir.x < -1e-9 || (std::fabs(textDir.x) <= 1e-9 && textDir.y < 0)) textDir = -1.0 * textDir;
    MTextFormat format;
    format.height = d.text * d.scale;
    format.attachment = 5;
    const MTextLayout layout = layoutMText(text, format);
    const P2 origin = map(textAt, context);
    const P2 along = minus(map(textAt + textDir, context), origin);
    const P2 up = minus(map(textAt + perpendicular(textDir), context), origin);
    if (sink_.measuring()) return sink_.dot(origin);
    drawMTextLayout(layout, origin, along, up, context, look, penWidth(look));
}

void Painter::drawLeader(const EntityRecord& e, const Context& context) {
    std::vector<V3> vertices;
    for (const Group& g : e.groups()) {
        if (g.code == 10) vertices.push_back(e.pointOf(g));
    }
    for (std::size_t i = 1; i < vertices.size(); ++i) line(map(vertices[i - 1], context), map(vertices[i], context));
    if (vertices.size() >= 2 && e.integer(71, 1) != 0) {
        const DimensionLook d = dimensionLook(drawing_, e);
        drawArrow(vertices[0], vertices[1], d.arrow * d.scale, context);
    }
}

// A multileader's context data: leaders with their lines, then the text.
void Painter::drawMultiLeader(const EntityRecord& e, const Context& context, const Look& look) {
    enum class Part { Outside, Context, Leader, Line, Done };
    Part part = Part::Outside;
    double arrow = -1;
    double height = 0;
    int attachment = 1;
    bool haveText = false;
    V3 textAt;
    V3 textDir{1, 0, 0};
    std::string content;
    V3 landing;
    bool landed = false;
    std::vector<V3> vertices;
    const auto finishLine = [&] {
        if (landed) vertices.push_back(landing);
        for (std::size_t i = 1; i < vertices.size(); ++i) sink_.segment(map(vertices[i - 1], context), map(vertices[i], context));
        if (vertices.size() >= 2) drawArrow(vertices[0], vertices[1], arrow > 0 ? arrow : 0.18, context);
        vertices.clear();
    };
    for (const Group& g : e.groups()) {
        if (part == Part::Done) break;
        const bool marker = g.code >= 300 && g.code <= 305;
        if (marker && g.text == "CONTEXT_DATA{") part = Part::Context;
        else if (marker && g.text == "LEADER{") part = Part::Leader, landed = false;
        else if (marker && g.text == "LEADER_LINE{") part = Part::Line;
        else if (g.code == 305 && part == Part::Line) finishLine(), part = Part::Leader;
        else if (g.code == 303 && part == Part::Leader) part = Part::Context;
        else if (g.code == 301 && part == Part::Context) part = Part::Done;
        else if (part == Part::Line && g.code == 10) vertices.push_back(e.pointOf(g));
        else if (part == Part::Leader && g.code == 10 && !landed) landing = e.pointOf(g), landed = true;
        else if (part == Part::Context) {
            if (g.code == 41 && height == 0) height = g.real();
            if (g.code == 140 && arrow < 0) arrow = g.real();
            if (g.code == 12 && !haveText) textAt = e.pointOf(g), haveText = true;
            if (g.code == 13) textDir = e.pointOf(g);
            if (g.code == 171 && g.integer >= 1 && g.integer <= 9) attachment = static_cast<int>(g.integer);
            if (g.code == 304) content += g.text;
        }
    }
    if (!haveText || content.empty() || !(height > 0)) return;
    MTextFormat format;
    format.height = height;
    format.attachment = attachment;
    const MTextLayout layout = layoutMText(content, format);
    textDir = shapes::unit(flat(textDir));
    if (shapes::norm(textDir) == 0) textDir = {1, 0, 0};
    const P2 origin = map(textAt, context);
    if (sink_.measuring()) return sink_.dot(origin);
    drawMTextLayout(layout, origin, minus(map(textAt + textDir, context), origin),
                    minus(map(textAt + perpendicular(textDir), context), origin), context, look, penWidth(look));
}

// Each element of a multiline runs through its vertices, set off from
// them along their mitre by its first parameter.
void Painter::drawMultiLine(const EntityRecord& e, const Context& context) {
    const std::int64_t elements = std::clamp<std::int64_t>(e.integer(73, 0), 0, 64);
    const bool closed = (e.integer(71, 0) & 2) != 0;
    std::vector<std::vector<V3>> paths(static_cast<std::size_t>(elements));
    GroupCursor in(e.groups());
    while (in.skipTo(11)) {
        const V3 vertex = e.pointOf(in.next());
        const Group* mitreGroup = nullptr;
        if (in.take(12)) mitreGroup = in.take(13);
        const V3 mitre = mitreGroup ? e.pointOf(*mitreGroup) : V3{};
        for (std::int64_t k = 0; k < elements; ++k) {
            const std::int64_t count = std::clamp<std::int64_t>(in.integer(74, 0), 0, 1024);
            double offset = 0;
            for (std::int64_t p = 0; p < count; ++p) {
                const double v = in.real(41, 0.0);
                if (p == 0) offset = v;
            }
            const std::int64_t fills = std::clamp<std::int64_t>(in.integer(75, 0), 0, 1024);
            for (std::int64_t p = 0; p < fills; ++p) in.take(42);
            paths[static_cast<std::size_t>(k)].push_back(vertex + offset * mitre);
        }
    }
    for (auto& path : paths) {
        if (closed && path.size() > 2) path.push_back(path.front());
        dasher_.restart();
        for (std::size_t i = 1; i < path.size(); ++i) line(map(path[i - 1], context), map(path[i], context));
    }
}

// A subdivision mesh by its edges, or its faces' outlines when it lists none.
void Painter::drawMesh(const EntityRecord& e, const Context& context) {
    GroupCursor in(e.groups());
    if (!in.skipTo(92)) return;
    const std::int64_t count = std::clamp<std::int64_t>(in.integer(92, 0), 0, kMostItems);
    std::vector<P2> vertices;
    for (std::int64_t k = 0; k < count; ++k) {
        const Group* g = in.take(10);
        if (!g) break;
        vertices.push_back(map(e.pointOf(*g), context));
    }
    const auto edge = [&](std::int64_t a, std::int64_t b) {
        if (a >= 0 && b >= 0 && a < static_cast<std::int64_t>(vertices.size()) && b < static_cast<std::int64_t>(vertices.size())) {
            sink_.segment(vertices[static_cast<std::size_t>(a)], vertices[static_cast<std::size_t>(b)]);
        }
    };
    std::vector<std::int64_t> faces;
    if (in.skipTo(93)) {
        const std::int64_t size = std::clamp<std::int64_t>(in.integer(93, 0), 0, kMostItems);
        for (std::int64_t k = 0; k < size; ++k) {
            const Group* g = in.take(90);
            if (!g) break;
            faces.push_back(g->integer);
        }
    }
    if (in.skipTo(94)) {
        const std::int64_t edges = std::clamp<std::int64_t>(in.integer(94, 0), 0, kMostItems);
        if (edges > 0) {
            for (std::int64_t k = 0; k < edges; ++k) {
                const Group* a = in.take(90);
                const Group* b = in.take(90);
                if (!a || !b) break;
                edge(a->integer, b->integer);
            }
            return;
        }
    }
    for (std::size_t k = 0; k < faces.size();) {
        const auto corners = static_cast<std::size_t>(std::max<std::int64_t>(faces[k], 0));
        if (corners == 0 || corners >= faces.size() - k) break;
        for (std::size_t c = 0; c < corners; ++c) edge(faces[k + 1 + c], faces[k + 1 + (c + 1) % corners]);
        k += corners + 1;
    }
}

// Construction lines run across the whole picture and give no extents.
void Painter::drawInfinite(const EntityRecord& e, const Context& context) {
    if (sink_.measuring()) return;
    const V3 base = e.point(10);
    const P2 from = map(base, context);
    const P2 towards = minus(map(base + shapes::unit(e.point(11)), context), from);
    const double length = size(towards);
    if (!(length > 0) || !std::isfinite(length)) return;
    const double reach = std::hypot(style_.pictureWidth, style_.pictureHeight) * 2 + std::hypot(from.x, from.y);
    const P2 far{from.x + towards.x / length * reach, from.y + towards.y / length * reach};
    const P2 back = e.type() == "RAY" ? from : P2{from.x - towards.x / length * reach, from.y - towards.y / length * reach};
    line(back, far);
}

// Kinds that have no shape to draw show where they are: an image or a
// wipeout by its frame, an OLE object by its corners, a solid by the box
// its modeller data spans, a proxy by the graphics it carries.
void Painter::drawFrame(const EntityRecord& e, const Context& context) {
    const std::string_view type = e.type();
    const auto outline = [&](std::span<const V3> corners) {
        for (std::size_t k = 0; k < corners.size(); ++k) sink_.segment(map(corners[k], context), map(corners[(k + 1) % corners.size()], context));
    };
    if (type == "IMAGE" || type == "WIPEOUT") {
        const V3 at = e.point(10);
        const V3 u = e.point(11);
        const V3 v = e.point(12);
        const V3 pixels = e.point(13, {1, 1, 0});
        const V3 corners[] = {at, at + pixels.x * u, at + pixels.x * u + pixels.y * v, at + pixels.y * v};
        if (type == "WIPEOUT" && !sink_.measuring()) {
            // A wipeout hides what lies under it.
            sink_.pen(style_.ground, 0);
            emitPolygon(corners, context);
            sink_.pen(legibleOn(style_.ink, style_.ground, style_.ink), 0);
        }
        return outline(corners);
    }
    if (type == "OLE2FRAME") {
        const V3 a = e.point(10);
        const V3 b = e.point(11);
        const V3 corners[] = {a, {b.x, a.y, a.z}, b, {a.x, b.y, b.z}};
        return outline(corners);
    }
    V3 low;
    V3 high;
    ProxyGraphics graphics;
    if (proxyGraphics(e, graphics) && !(graphics.lines.empty() && graphics.fills.empty())) {
        for (const auto& path : graphics.lines) {
            for (std::size_t i = 1; i < path.size(); ++i) sink_.segment(map(path[i - 1], context), map(path[i], context));
        }
        for (const auto& fill : graphics.fills) emitPolygon(fill, context);
        return;
    }
    if (graphics.hasExtents) {
        low = graphics.low;
        high = graphics.high;
    } else if (!modellerBox(e, low, high)) {
        return;
    }
    const V3 corners[] = {low, {high.x, low.y, low.z}, {high.x, high.y, low.z}, {low.x, high.y, low.z}};
    outline(corners);
}

}  // namespace zcad::render
