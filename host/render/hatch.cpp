#include "hatch.h"

#include <algorithm>
#include <cmath>

#include "group_cursor.h"
#include "spline.h"
#include "zcad/text.h"

namespace zcad::render {

using shapes::EntityRecord;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180;
// What a file may claim before it is taken for damaged.
constexpr std::int64_t kMostLoops = 1 << 20;
constexpr std::int64_t kMostItems = 1 << 22;
// Loop flags: an outer loop, and the outermost one.
constexpr std::int64_t kExternal = 1;
constexpr std::int64_t kOutermost = 16;
constexpr std::int64_t kPolylineLoop = 2;
// Spline edges are cut into this many chords a span.
constexpr int kSplineChords = 16;
// Pattern lines closer than this (picture units) would merge: every so
// many of them are drawn, and the pattern still reads as one.
constexpr double kClosestLines = 1.5;
// Dashes shorter than this a period are drawn as whole lines.
constexpr double kFinestPeriod = 3;

// Builds closed loops point by point, leaving out repeats.
class LoopBuilder {
public:
    LoopBuilder(HatchLoops& out, double tolerance) : out_(out), tolerance_(tolerance) {}

    void add(const P2& p) {
        if (out_.points.size() > start_ && out_.points.back().x == p.x && out_.points.back().y == p.y) return;
        out_.points.push_back(p);
    }

    // centre + u cos t + v sin t, t from t0 to t1 (radians, either way).
    void curve(const P2& centre, const P2& u, const P2& v, double t0, double t1) {
        const double sweep = t1 - t0;
        const double radius = std::max(std::hypot(u.x, u.y), std::hypot(v.x, v.y));
        if (!std::isfinite(sweep) || !std::isfinite(radius)) return;
        double step = 2 * kPi / 64;
        if (tolerance_ > 0 && radius > tolerance_) step = 2 * std::acos(1 - tolerance_ / radius);
        const auto chords = static_cast<int>(std::clamp(std::ceil(std::fabs(sweep) / step), 1.0, 4096.0));
        for (int k = 0; k <= chords; ++k) {
            const double t = t0 + sweep * k / chords;
            add({centre.x + u.x * std::cos(t) + v.x * std::sin(t), centre.y + u.y * std::cos(t) + v.y * std::sin(t)});
        }
    }

    // A polyline segment's bulge is the tangent of a quarter of its arc's angle.
    void bulge(const P2& a, const P2& b, double bulge) {
        add(a);
        if (bulge == 0 || !std::isfinite(bulge)) return;
        const double angle = 4 * std::atan(bulge);
        const double chord = std::hypot(b.x - a.x, b.y - a.y);
        if (chord == 0) return;
        const double radius = chord / (2 * std::sin(std::fabs(angle) / 2));
        // From the chord's middle to the centre: to the left for a
        // counter-clockwise arc of less than a half turn.
        const double toCentre = (bulge > 0 ? 1 : -1) * radius * std::cos(angle / 2);
        const P2 left{-(b.y - a.y) / chord, (b.x - a.x) / chord};
        const P2 centre{(a.x + b.x) / 2 + toCentre * left.x, (a.y + b.y) / 2 + toCentre * left.y};
        const double t0 = std::atan2(a.y - centre.y, a.x - centre.x);
        curve(centre, {radius, 0}, {0, radius}, t0, t0 + angle);
    }

    // Closes the loop, when it has an area's worth of points.
    void close() {
        if (out_.points.size() - start_ >= 3) {
            out_.ends.push_back(static_cast<std::uint32_t>(out_.points.size()));
        } else {
            out_.points.resize(start_);
        }
        start_ = out_.points.size();
    }

private:
    HatchLoops& out_;
    double tolerance_;
    std::size_t start_ = 0;
};

void polylineLoop(GroupCursor& in, LoopBuilder& loop) {
    const bool bulges = in.integer(72, 0) != 0;
    in.take(73);
    const std::int64_t count = std::clamp<std::int64_t>(in.integer(93, 0), 0, kMostItems);
    std::vector<P2> vertices;
    std::vector<double> bulge;
    for (std::int64_t k = 0; k < count; ++k) {
        P2 p;
        if (!in.point(10, p)) break;
        vertices.push_back(p);
        bulge.push_back(bulges ? in.real(42, 0.0) : 0.0);
    }
    for (std::size_t k = 0; k < vertices.size(); ++k) loop.bulge(vertices[k], vertices[(k + 1) % vertices.size()], bulge[k]);
}

// Clockwise arcs and ellipses keep their angles mirrored: the curve runs
// through -t as t goes from the start angle to the end.
void arcEdge(GroupCursor& in, LoopBuilder& loop, bool elliptic) {
    P2 centre;
    P2 major{1, 0};
    if (!in.point(10, centre) || (elliptic && !in.point(11, major))) return;
    const double size = in.real(40, 0.0);
    double t0 = in.real(50, 0.0) * kDegree;
    double t1 = in.real(51, 360.0) * kDegree;
    const bool counterClockwise = in.integer(73, 1) != 0;
    while (t1 <= t0) t1 += 2 * kPi;
    if (t1 - t0 > 2 * kPi) t1 = t0 + 2 * kPi;
    P2 u{size, 0};
    P2 v{0, size};
    if (elliptic) {
        u = major;
        v = {-major.y * size, major.x * size};
    }
    if (counterClockwise) return loop.curve(centre, u, v, t0, t1);
    loop.curve(centre, u, v, -t0, -t1);
}

void splineEdge(GroupCursor& in, LoopBuilder& loop) {
    const std::int64_t degree = in.integer(94, 3);
    const bool rational = in.integer(73, 0) != 0;
    in.take(74);
    const std::int64_t knotCount = std::clamp<std::int64_t>(in.integer(95, 0), 0, kMostItems);
    const std::int64_t controlCount = std::clamp<std::int64_t>(in.integer(96, 0), 0, kMostItems);
    std::vector<double> knots;
    std::vector<shapes::V3> control;
    std::vector<double> weights;
    for (std::int64_t k = 0; k < knotCount; ++k) {
        const Group* g = in.take(40);
        if (!g) break;
        knots.push_back(g->real());
    }
    for (std::int64_t k = 0; k < controlCount; ++k) {
        P2 p;
        if (!in.point(10, p)) break;
        control.push_back({p.x, p.y, 0});
        if (rational) weights.push_back(in.real(42, 1.0));
    }
    std::vector<shapes::V3> fit;
    P2 start;
    P2 end;
    bool tangents = false;
    if (const std::int64_t fitCount = std::clamp<std::int64_t>(in.integer(97, 0), 0, kMostItems); fitCount > 0) {
        for (std::int64_t k = 0; k < fitCount; ++k) {
            P2 p;
            if (!in.point(11, p)) break;
            fit.push_back({p.x, p.y, 0});
        }
        tangents = in.point(12, start) && in.point(13, end);
    }
    std::vector<shapes::V3> curve;
    const shapes::V3 startTangent{start.x, start.y, 0};
    const shapes::V3 endTangent{end.x, end.y, 0};
    const bool defined = degree > 0 && bsplinePoints(static_cast<std::size_t>(degree), knots, control, weights, kSplineChords, curve);
    if (defined || fitCurvePoints(fit, tangents ? &startTangent : nullptr, tangents ? &endTangent : nullptr, kSplineChords, curve)) {
        for (const shapes::V3& p : curve) loop.add({p.x, p.y});
    }
}

void edgeLoop(GroupCursor& in, LoopBuilder& loop) {
    const std::int64_t count = std::clamp<std::int64_t>(in.integer(93, 0), 0, kMostItems);
    for (std::int64_t k = 0; k < count; ++k) {
        const std::int64_t type = in.integer(72, 0);
        P2 a;
        P2 b;
        switch (type) {
        case 1:
            if (in.point(10, a) && in.point(11, b)) {
                loop.add(a);
                loop.add(b);
            }
            break;
        case 2:
            arcEdge(in, loop, false);
            break;
        case 3:
            arcEdge(in, loop, true);
            break;
        case 4:
            splineEdge(in, loop);
            break;
        default:
            return;
        }
    }
}

// Our pattern table, in the form pattern files give a line family: its
// angle (degrees), a point it passes through, the step to the next line
// along and across it, and its dashes; in inches.
struct TableLine {
    double angle;
    double x;
    double y;
    double along;
    double across;
    std::vector<double> dashes;
};

struct TableEntry {
    std::string_view name;
    std::vector<TableLine> lines;
};

const std::vector<TableEntry>& table() {
    static const std::vector<TableEntry> entries = {
        {"ANSI31", {{45, 0, 0, 0, 0.125, {}}}},
        {"ANSI32", {{45, 0, 0, 0, 0.375, {}}, {45, 0.176777, 0, 0, 0.375, {}}}},
        {"ANSI33", {{45, 0, 0, 0, 0.25, {}}, {45, 0.176777, 0, 0, 0.25, {0.125, -0.0625}}}},
        {"ANSI34", {{45, 0, 0, 0, 0.75, {}}, {45, 0.176777, 0, 0, 0.75, {}}, {45, 0.353553, 0, 0, 0.75, {}}, {45, 0.53033, 0, 0, 0.75, {}}}},
        {"ANSI35", {{45, 0, 0, 0, 0.25, {}}, {45, 0.176777, 0, 0, 0.25, {0.3125, -0.0625, 0, -0.0625}}}},
        {"ANSI36", {{45, 0, 0, 0.21875, 0.125, {0.3125, -0.0625, 0, -0.0625}}}},
        {"ANSI37", {{45, 0, 0, 0, 0.125, {}}, {135, 0, 0, 0, 0.125, {}}}},
        {"ANSI38", {{45, 0, 0, 0, 0.125, {}}, {135, 0, 0, 0.25, 0.125, {0.3125, -0.1875}}}},
        {"LINE", {{0, 0, 0, 0, 0.125, {}}}},
        {"NET", {{0, 0, 0, 0, 0.125, {}}, {90, 0, 0, 0, 0.125, {}}}},
        {"NET3", {{0, 0, 0, 0, 0.125, {}}, {60, 0, 0, 0, 0.125, {}}, {120, 0, 0, 0, 0.125, {}}}},
        {"DASH", {{0, 0, 0, 0.125, 0.125, {0.125, -0.125}}}},
        {"SQUARE", {{0, 0, 0, 0, 0.125, {0.125, -0.125}}, {90, 0, 0, 0, 0.125, {0.125, -0.125}}}},
        {"BRICK", {{0, 0, 0, 0, 0.25, {}}, {90, 0, 0, 0, 0.5, {0.25, -0.25}}, {90, 0.25, 0, 0, 0.5, {-0.25, 0.25}}}},
        {"DOTS", {{0, 0, 0, 0.03125, 0.0625, {0, -0.0625}}}},
        {"CROSS", {{0, 0, 0, 0.25, 0.25, {0.125, -0.375}}, {90, 0.0625, -0.0625, 0.25, 0.25, {0.125, -0.375}}}},
        {"EARTH", {{0, 0, 0, 0.25, 0.25, {0.25, -0.25}}, {0, 0, 0.09375, 0.25, 0.25, {0.25, -0.25}},
                   {0, 0, 0.1875, 0.25, 0.25, {0.25, -0.25}}, {90, 0.03125, 0.21875, 0.25, 0.25, {0.25, -0.25}},
                   {90, 0.125, 0.21875, 0.25, 0.25, {0.25, -0.25}}, {90, 0.21875, 0.21875, 0.25, 0.25, {0.25, -0.25}}}},
        {"GRAVEL", {{0, 0, 0, 0.25, 0.25, {0.0625, -0.1875}}, {60, 0.0625, 0, 0.25, 0.25, {0.0625, -0.1875}},
                    {120, 0.125, 0.125, 0.25, 0.25, {0.0625, -0.1875}}}},
    };
    return entries;
}

P2 turned(const P2& p, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {c * p.x - s * p.y, s * p.x + c * p.y};
}

}  // namespace

HatchLoops hatchLoops(const EntityRecord& e, double tolerance) {
    HatchLoops out;
    const std::vector<Group>& groups = e.groups();
    GroupCursor in(groups);
    if (!in.skipTo(91)) return out;
    const std::int64_t count = std::clamp<std::int64_t>(in.integer(91, 0), 0, kMostLoops);
    const bool outerOnly = e.integer(75, 0) == 2;
    std::vector<std::int64_t> flags;
    LoopBuilder loop(out, tolerance);
    for (std::int64_t k = 0; k < count && in.skipTo(92); ++k) {
        const std::int64_t flag = in.integer(92, 0);
        if (flag & kPolylineLoop) polylineLoop(in, loop);
        else edgeLoop(in, loop);
        const std::size_t before = out.ends.size();
        loop.close();
        if (out.ends.size() > before) flags.push_back(flag);
    }
    if (!outerOnly) return out;
    // Only the outer loops, when the hatch marks any.
    const bool marked = std::any_of(flags.begin(), flags.end(), [](std::int64_t f) { return (f & (kExternal | kOutermost)) != 0; });
    if (!marked) return out;
    HatchLoops outer;
    std::uint32_t start = 0;
    for (std::size_t k = 0; k < out.ends.size(); ++k) {
        if (flags[k] & (kExternal | kOutermost)) {
            outer.points.insert(outer.points.end(), out.points.begin() + start, out.points.begin() + out.ends[k]);
            outer.ends.push_back(static_cast<std::uint32_t>(outer.points.size()));
        }
        start = out.ends[k];
    }
    return outer;
}

std::vector<HatchFamily> tablePattern(std::string_view name) {
    for (const TableEntry& entry : table()) {
        if (!equalNoCase(entry.name, name)) continue;
        std::vector<HatchFamily> families;
        for (const TableLine& line : entry.lines) {
            const double angle = line.angle * kDegree;
            families.push_back({angle, {line.x, line.y}, turned({line.along, line.across}, angle), line.dashes});
        }
        return families;
    }
    return {};
}

HatchLook hatchLook(const EntityRecord& e, bool metric) {
    HatchLook look;
    // A gradient is drawn in its first colour, as a solid fill.
    look.solid = (e.integer(70, 0) & 1) != 0 || e.integer(450, 0) != 0;
    if (look.solid) return look;
    const std::vector<Group>& groups = e.groups();
    const auto at = std::find_if(groups.begin(), groups.end(), [](const Group& g) { return g.code == 78; });
    if (at != groups.end()) {
        GroupCursor in(groups, static_cast<std::size_t>(at - groups.begin()));
        const std::int64_t count = std::clamp<std::int64_t>(in.integer(78, 0), 0, 1024);
        for (std::int64_t k = 0; k < count; ++k) {
            HatchFamily family;
            if (!in.skipTo(53)) break;
            family.angle = in.real(53, 0.0) * kDegree;
            family.base = {in.real(43, 0.0), in.real(44, 0.0)};
            family.offset = {in.real(45, 0.0), in.real(46, 0.0)};
            const std::int64_t dashes = std::clamp<std::int64_t>(in.integer(79, 0), 0, 1024);
            for (std::int64_t d = 0; d < dashes; ++d) {
                const Group* g = in.take(49);
                if (!g) break;
                family.dashes.push_back(g->real());
            }
            look.families.push_back(std::move(family));
        }
    }
    if (!look.families.empty()) return look;
    // The lines of a named pattern the file left out; a pattern we do not
    // know is drawn as the plainest one, so that the hatch still shows.
    std::vector<HatchFamily> families = tablePattern(e.text(2));
    if (families.empty()) families = tablePattern("ANSI31");
    const double scale = (e.has(41) && e.real(41, 1.0) > 0 ? e.real(41, 1.0) : 1.0) * (metric ? 25.4 : 1.0);
    const double angle = e.real(52, 0.0) * kDegree;
    const bool crossed = e.integer(77, 0) != 0;
    for (int turn = 0; turn < (crossed ? 2 : 1); ++turn) {
        const double by = angle + turn * kPi / 2;
        for (const HatchFamily& f : families) {
            HatchFamily placed{f.angle + by, turned(f.base, by), turned(f.offset, by), f.dashes};
            placed.base = {placed.base.x * scale, placed.base.y * scale};
            placed.offset = {placed.offset.x * scale, placed.offset.y * scale};
            for (double& d : placed.dashes) d *= scale;
            look.families.push_back(std::move(placed));
        }
    }
    return look;
}

void drawHatchFamily(const HatchFamily& family, const PlaneMap& plane, std::span<const P2> points,
                     std::span<const std::uint32_t> ends, const Area& clip, Sink& sink) {
    if (points.size() < 3 || clip.empty()) return;
    const P2 along = plane.linear({std::cos(family.angle), std::sin(family.angle)});
    const double stretch = std::hypot(along.x, along.y);
    if (!(stretch > 0) || !std::isfinite(stretch)) return;
    const P2 u{along.x / stretch, along.y / stretch};
    const P2 n{-u.y, u.x};
    P2 step = plane.linear(family.offset);
    double spacing = step.x * n.x + step.y * n.y;
    if (spacing < 0) {
        step = {-step.x, -step.y};
        spacing = -spacing;
    }
    if (!(spacing > 1e-12) || !std::isfinite(spacing)) return;
    const P2 base = plane.apply(family.base);
    const auto across = [&](const P2& p) { return (p.x - base.x) * n.x + (p.y - base.y) * n.y; };
    const auto lengthwise = [&](const P2& p) { return (p.x - base.x) * u.x + (p.y - base.y) * u.y; };

    // The edges, by where they start across the lines.
    struct Edge {
        double low;
        double high;
        P2 a;
        P2 b;
    };
    std::vector<Edge> edges;
    double low = 1e300;
    double high = -1e300;
    std::uint32_t start = 0;
    for (const std::uint32_t end : ends) {
        for (std::uint32_t i = start; i < end && end <= points.size(); ++i) {
            const P2& a = points[i];
            const P2& b = points[i + 1 < end ? i + 1 : start];
            const double ca = across(a);
            const double cb = across(b);
            if (ca == cb || !std::isfinite(ca) || !std::isfinite(cb)) continue;
            edges.push_back({std::min(ca, cb), std::max(ca, cb), a, b});
            low = std::min(low, edges.back().low);
            high = std::max(high, edges.back().high);
        }
        start = end;
    }
    if (edges.empty()) return;
    // Only the lines that cross the picture.
    const P2 corners[] = {{clip.x1, clip.y1}, {clip.x2, clip.y1}, {clip.x1, clip.y2}, {clip.x2, clip.y2}};
    double seenLow = 1e300;
    double seenHigh = -1e300;
    double seenFrom = 1e300;
    double seenTo = -1e300;
    for (const P2& c : corners) {
        seenLow = std::min(seenLow, across(c));
        seenHigh = std::max(seenHigh, across(c));
        seenFrom = std::min(seenFrom, lengthwise(c));
        seenTo = std::max(seenTo, lengthwise(c));
    }
    low = std::max(low, seenLow);
    high = std::min(high, seenHigh);
    if (low > high) return;
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.low < b.low; });

    const double every = std::ceil(kClosestLines / spacing);
    const double first = std::ceil(low / spacing / every) * every;
    double period = 0;
    for (const double d : family.dashes) period += std::fabs(d) * stretch;
    const bool dashed = !family.dashes.empty() && period >= kFinestPeriod;
    const double shift = step.x * u.x + step.y * u.y;  // along the line, from one to the next

    std::vector<const Edge*> active;
    std::vector<double> cuts;
    std::size_t next = 0;
    for (double k = first; k * spacing <= high; k += every) {
        const double c = k * spacing;
        while (next < edges.size() && edges[next].low <= c) active.push_back(&edges[next++]);
        active.erase(std::remove_if(active.begin(), active.end(), [c](const Edge* e) { return e->high < c; }), active.end());
        cuts.clear();
        for (const Edge* e : active) {
            const double ca = across(e->a);
            const double cb = across(e->b);
            // Half-open, so that a line through a vertex counts it once.
            if ((ca > c) == (cb > c)) continue;
            const double t = (c - ca) / (cb - ca);
            cuts.push_back(lengthwise(e->a) + t * (lengthwise(e->b) - lengthwise(e->a)));
        }
        std::sort(cuts.begin(), cuts.end());
        // The line's own start, from which its dashes are laid out.
        const double origin = k * shift;
        const P2 o{base.x + c * n.x, base.y + c * n.y};
        const auto at = [&](double t) { return P2{o.x + t * u.x, o.y + t * u.y}; };
        for (std::size_t i = 0; i + 1 < cuts.size(); i += 2) {
            const double t0 = std::max(cuts[i], seenFrom - 1);
            const double t1 = std::min(cuts[i + 1], seenTo + 1);
            if (t0 >= t1) continue;
            if (!dashed) {
                sink.segment(at(t0), at(t1));
                continue;
            }
            double t = origin + std::floor((t0 - origin) / period) * period;
            for (std::size_t d = 0; t < t1; d = (d + 1) % family.dashes.size()) {
                const double length = std::fabs(family.dashes[d]) * stretch;
                const double from = std::max(t, t0);
                const double to = std::min(t + length, t1);
                if (family.dashes[d] > 0 && to > from) sink.segment(at(from), at(to));
                if (family.dashes[d] == 0 && t >= t0) sink.segment(at(t), at(std::min(t + 0.5, t1)));
                t += length;
            }
        }
    }
}

}  // namespace zcad::render
