#include "dxf_r12.h"

#include "dxf_kept.h"
#include "zcad/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace zcad::dxf {

namespace {

using V3 = std::array<double, 3>;

// VIEWPORT is left out: R12's keeps its settings in extended data, which
// later releases' do not have.
constexpr std::string_view kR12Types[] = {"LINE",  "POINT",  "CIRCLE", "ARC",    "TRACE",    "SOLID",
                                          "TEXT",  "SHAPE",  "BLOCK",  "ENDBLK", "INSERT",   "ATTDEF",
                                          "ATTRIB", "VERTEX", "SEQEND", "POLYLINE", "3DFACE",
                                          "DIMENSION"};
// Far more than any drawing needs; keeps a degenerate curve from making millions.
constexpr int kMostSegments = 4096;

const OwnedGroup* find(const std::vector<OwnedGroup>& groups, int code) {
    for (const auto& g : groups) {
        if (g.code == code) return &g;
    }
    return nullptr;
}

double realOr(const std::vector<OwnedGroup>& groups, int code, double fallback) {
    const OwnedGroup* g = find(groups, code);
    return g ? g->xyz[0] : fallback;
}

V3 pointOr(const std::vector<OwnedGroup>& groups, int code, V3 fallback) {
    const OwnedGroup* g = find(groups, code);
    return g ? V3{g->xyz[0], g->xyz[1], g->xyz[2]} : fallback;
}

V3 add(V3 a, V3 b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
V3 scale(V3 a, double s) { return {a[0] * s, a[1] * s, a[2] * s}; }
V3 cross(V3 a, V3 b) { return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]}; }
double length(V3 a) { return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]); }

// The properties every entity has, which its R12 forms keep.
std::vector<OwnedGroup> common(const std::vector<OwnedGroup>& groups) {
    std::vector<OwnedGroup> out;
    for (const auto& g : groups) {
        if (g.code == 6 || g.code == 8 || g.code == 60 || g.code == 62 || g.code == 67) out.push_back(g);
    }
    if (!find(out, 8)) out.insert(out.begin(), OwnedGroup::string(8, "0"));
    return out;
}

// A 3D polyline through `points`, in world coordinates.
void polyline3d(const std::vector<OwnedGroup>& groups, const std::vector<V3>& points, bool closed,
                std::vector<R12Entity>& out) {
    const std::vector<OwnedGroup> props = common(groups);
    R12Entity head{"POLYLINE", props};
    head.groups.push_back(OwnedGroup::integral(66, 1));
    head.groups.push_back(OwnedGroup::point(10, 0, 0, 0));
    head.groups.push_back(OwnedGroup::integral(70, 8 | (closed ? 1 : 0)));
    out.push_back(std::move(head));
    for (const V3& p : points) {
        R12Entity vertex{"VERTEX", props};
        vertex.groups.push_back(OwnedGroup::point(10, p[0], p[1], p[2]));
        vertex.groups.push_back(OwnedGroup::integral(70, 32));
        out.push_back(std::move(vertex));
    }
    out.push_back({"SEQEND", props});
}

// Segments for an arc of `span` radians on a circle of `radius`, so that no
// chord strays by more than the tolerance.
int segmentsFor(double span, double radius) {
    if (!(radius > 0) || !std::isfinite(radius) || !std::isfinite(span)) return 1;
    const double step = 2 * std::acos(1 - kChordTolerance);
    return std::clamp(static_cast<int>(std::ceil(std::fabs(span) / step)), 1, kMostSegments);
}

void lwpolyline(const std::vector<OwnedGroup>& groups, std::vector<R12Entity>& out) {
    const std::vector<OwnedGroup> props = common(groups);
    const double elevation = realOr(groups, 38, 0.0);
    const std::int64_t flags = find(groups, 70) ? find(groups, 70)->integer : 0;
    R12Entity head{"POLYLINE", props};
    head.groups.push_back(OwnedGroup::integral(66, 1));
    head.groups.push_back(OwnedGroup::point(10, 0, 0, elevation));
    if (const OwnedGroup* g = find(groups, 39)) head.groups.push_back(*g);
    head.groups.push_back(OwnedGroup::integral(70, flags & 129));
    if (const OwnedGroup* g = find(groups, 43)) {
        head.groups.push_back(OwnedGroup::real(40, g->xyz[0]));
        head.groups.push_back(OwnedGroup::real(41, g->xyz[0]));
    }
    if (const OwnedGroup* g = find(groups, 210)) head.groups.push_back(*g);
    out.push_back(std::move(head));
    // Widths and bulges follow the vertex they belong to.
    for (const auto& g : groups) {
        if (g.code == 10) {
            R12Entity vertex{"VERTEX", props};
            vertex.groups.push_back(OwnedGroup::point(10, g.xyz[0], g.xyz[1], elevation));
            vertex.groups.push_back(OwnedGroup::integral(70, 0));
            out.push_back(std::move(vertex));
        } else if ((g.code == 40 || g.code == 41 || g.code == 42) && out.back().type == "VERTEX") {
            if (g.code != 42 || g.xyz[0] != 0.0) out.back().groups.push_back(g);
        }
    }
    out.push_back({"SEQEND", props});
}

// MTEXT's text without its formatting codes, one string per paragraph.
std::vector<std::string> plainLines(std::string_view text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '{' || c == '}') continue;
        if (c != '\\' || i + 1 >= text.size()) {
            lines.back() += c;
            continue;
        }
        const char code = text[++i];
        if (code == 'P') {
            lines.emplace_back();
        } else if (code == '~') {
            lines.back() += ' ';
        } else if (code == '\\' || code == '{' || code == '}') {
            lines.back() += code;
        } else if (code == 'U' || code == 'u' || code == 'M' || code == 'm') {
            lines.back() += '\\';  // a character escape, which TEXT reads too
            lines.back() += code;
        } else if (std::string_view("LlOoKkNn").find(code) != std::string_view::npos) {
            // on/off switches without a value
        } else if (code == 'S') {
            // a stacked fraction "a^b;" reads as "a/b"
            const std::size_t end = text.find(';', i);
            for (std::size_t k = i + 1; k < std::min(end, text.size()); ++k) {
                lines.back() += (text[k] == '^' || text[k] == '#') ? '/' : text[k];
            }
            i = end == std::string_view::npos ? text.size() : end;
        } else {
            const std::size_t end = text.find(';', i);  // a code with a value up to ';'
            i = end == std::string_view::npos ? text.size() : end;
        }
    }
    return lines;
}

void mtext(const std::vector<OwnedGroup>& groups, std::vector<R12Entity>& out) {
    std::string text;
    for (const auto& g : groups) {
        if (g.code == 3) text += g.text;
    }
    if (const OwnedGroup* g = find(groups, 1)) text += g->text;
    const std::vector<std::string> lines = plainLines(text);
    const V3 insert = pointOr(groups, 10, {0, 0, 0});
    const double height = realOr(groups, 40, 1.0) > 0 ? realOr(groups, 40, 1.0) : 1.0;
    double rotation = realOr(groups, 50, 0.0);
    if (const OwnedGroup* d = find(groups, 11); d && (d->xyz[0] != 0 || d->xyz[1] != 0)) {
        rotation = std::atan2(d->xyz[1], d->xyz[0]);
    }
    const std::int64_t attachment = std::clamp<std::int64_t>(find(groups, 71) ? find(groups, 71)->integer : 1, 1, 9);
    const auto row = (attachment - 1) / 3;  // top, middle, bottom
    const auto column = (attachment - 1) % 3;  // left, centre, right
    const double spacing = height * 5.0 / 3.0 * realOr(groups, 44, 1.0);
    const double total = height + spacing * static_cast<double>(lines.size() - 1);
    const double firstDrop = row == 0 ? height : row == 1 ? height - total / 2 : height - total;
    const V3 down{std::sin(rotation), -std::cos(rotation), 0.0};
    const std::vector<OwnedGroup> props = common(groups);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const V3 at = add(insert, scale(down, firstDrop + spacing * static_cast<double>(i)));
        R12Entity line{"TEXT", props};
        line.groups.push_back(OwnedGroup::point(10, at[0], at[1], at[2]));
        line.groups.push_back(OwnedGroup::real(40, height));
        line.groups.push_back(OwnedGroup::string(1, lines[i]));
        if (rotation != 0) line.groups.push_back(OwnedGroup::real(50, rotation));
        if (const OwnedGroup* g = find(groups, 7)) line.groups.push_back(*g);
        if (column > 0) {
            line.groups.push_back(OwnedGroup::integral(72, column));
            line.groups.push_back(OwnedGroup::point(11, at[0], at[1], at[2]));
        }
        if (const OwnedGroup* g = find(groups, 210)) line.groups.push_back(*g);
        out.push_back(std::move(line));
    }
}

void ellipse(const std::vector<OwnedGroup>& groups, std::vector<R12Entity>& out) {
    const V3 centre = pointOr(groups, 10, {0, 0, 0});
    const V3 major = pointOr(groups, 11, {1, 0, 0});
    const V3 normal = pointOr(groups, 210, {0, 0, 1});
    const double ratio = realOr(groups, 40, 1.0);
    const V3 minor = scale(cross(normal, major), ratio / std::max(length(normal), 1e-300));
    const double start = realOr(groups, 41, 0.0);
    double end = realOr(groups, 42, 2 * std::numbers::pi);
    while (end <= start) end += 2 * std::numbers::pi;
    const bool closed = std::fabs(end - start - 2 * std::numbers::pi) < 1e-9;
    const int segments = segmentsFor(end - start, length(major));
    std::vector<V3> points;
    for (int i = 0; i <= segments - (closed ? 1 : 0); ++i) {
        const double t = start + (end - start) * i / segments;
        points.push_back(add(centre, add(scale(major, std::cos(t)), scale(minor, std::sin(t)))));
    }
    polyline3d(groups, points, closed, out);
}

// A point of a NURBS curve by de Boor's algorithm, in homogeneous form.
V3 deBoor(int degree, const std::vector<double>& knots, const std::vector<V3>& control,
          const std::vector<double>& weights, double t) {
    const int n = static_cast<int>(control.size());
    int span = degree;
    while (span < n - 1 && t >= knots[span + 1]) ++span;
    std::vector<std::array<double, 4>> d(degree + 1);
    for (int j = 0; j <= degree; ++j) {
        const int k = span - degree + j;
        const double w = weights.size() == control.size() ? weights[k] : 1.0;
        d[j] = {control[k][0] * w, control[k][1] * w, control[k][2] * w, w};
    }
    for (int r = 1; r <= degree; ++r) {
        for (int j = degree; j >= r; --j) {
            const int k = span - degree + j;
            const double denominator = knots[k + degree - r + 1] - knots[k];
            const double alpha = denominator == 0 ? 0 : (t - knots[k]) / denominator;
            for (int c = 0; c < 4; ++c) d[j][c] = (1 - alpha) * d[j - 1][c] + alpha * d[j][c];
        }
    }
    const double w = d[degree][3] != 0 ? d[degree][3] : 1.0;
    return {d[degree][0] / w, d[degree][1] / w, d[degree][2] / w};
}

double distanceToChord(V3 p, V3 a, V3 b) {
    const V3 ab{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const V3 ap{p[0] - a[0], p[1] - a[1], p[2] - a[2]};
    const double l = length(ab);
    return l == 0 ? length(ap) : length(cross(ab, ap)) / l;
}

bool spline(const std::vector<OwnedGroup>& groups, std::vector<R12Entity>& out) {
    const int degree = static_cast<int>(find(groups, 71) ? find(groups, 71)->integer : 3);
    std::vector<double> knots, weights;
    std::vector<V3> control, fit;
    for (const auto& g : groups) {
        if (g.code == 40) knots.push_back(g.xyz[0]);
        if (g.code == 41) weights.push_back(g.xyz[0]);
        if (g.code == 10) control.push_back({g.xyz[0], g.xyz[1], g.xyz[2]});
        if (g.code == 11) fit.push_back({g.xyz[0], g.xyz[1], g.xyz[2]});
    }
    const bool closed = find(groups, 70) && (find(groups, 70)->integer & 1);
    const bool usable = degree >= 1 && degree <= 25 && control.size() > static_cast<std::size_t>(degree) &&
                        knots.size() == control.size() + degree + 1 && std::is_sorted(knots.begin(), knots.end());
    if (!usable) {
        if (fit.size() < 2) return false;
        polyline3d(groups, fit, closed, out);
        return true;
    }
    double span = 0;
    for (std::size_t i = 1; i < control.size(); ++i) {
        span = std::max(span, length({control[i][0] - control[0][0], control[i][1] - control[0][1],
                                      control[i][2] - control[0][2]}));
    }
    const double tolerance = std::max(span, 1e-12) * kChordTolerance;
    const double t0 = knots[degree];
    const double t1 = knots[control.size()];
    // Pieces are halved where their middle strays from their chord.
    std::vector<double> at;
    const int pieces = std::max<int>(4, static_cast<int>(control.size()) * 2);
    for (int i = 0; i <= pieces; ++i) at.push_back(t0 + (t1 - t0) * i / pieces);
    std::vector<V3> points{deBoor(degree, knots, control, weights, t0)};
    for (std::size_t i = 1; i < at.size(); ++i) {
        std::vector<std::pair<double, double>> todo{{at[i - 1], at[i]}};
        while (!todo.empty()) {
            const auto [a, b] = todo.back();
            const V3 pa = points.back();
            const V3 pb = deBoor(degree, knots, control, weights, b);
            const V3 pm = deBoor(degree, knots, control, weights, (a + b) / 2);
            if (distanceToChord(pm, pa, pb) > tolerance && points.size() < kMostSegments && b - a > 1e-12 * (t1 - t0)) {
                todo.back() = {(a + b) / 2, b};
                todo.push_back({a, (a + b) / 2});
                continue;
            }
            points.push_back(pb);
            todo.pop_back();
        }
    }
    polyline3d(groups, points, false, out);
    return true;
}

}  // namespace

bool keptInR12(int code) {
    return code == 999 || code >= 1000 || (code >= 0 && code <= 78 && code != 5) || (code >= 140 && code <= 149) ||
           (code >= 170 && code <= 179) || (code >= 210 && code <= 239);
}

bool isR12Type(std::string_view type) {
    return std::find(std::begin(kR12Types), std::end(kR12Types), type) != std::end(kR12Types);
}

std::vector<R12Entity> toR12(std::string_view type, const std::vector<OwnedGroup>& groups) {
    std::vector<R12Entity> out;
    if (type == "LWPOLYLINE") lwpolyline(groups, out);
    if (type == "MTEXT") mtext(groups, out);
    if (type == "ELLIPSE") ellipse(groups, out);
    if (type == "SPLINE" && !spline(groups, out)) out.clear();
    return out;
}

namespace {

// R12 names its layouts' blocks "$MODEL_SPACE" and "$PAPER_SPACE", or
// like later releases.
bool isLayoutName(std::string_view name) {
    name = trimmed(name);
    for (const char* layout : {"$MODEL_SPACE", "$PAPER_SPACE", "*MODEL_SPACE", "*PAPER_SPACE"}) {
        if (equalNoCase(name, layout)) return true;
    }
    return false;
}

bool hasBlocks(const DxfKept& kept) {
    for (const auto& item : kept.items) {
        if (item.kind != ItemKind::Section || !equalNoCase(item.name, "BLOCKS")) continue;
        for (std::size_t i = item.raw.first; i + 1 < item.raw.first + item.raw.count; ++i) {
            if (kept.raw.code(i) != 0 || !equalNoCase(trimmed(kept.raw.value(i)), "BLOCK")) continue;
            for (std::size_t k = i + 1; k < item.raw.first + item.raw.count && kept.raw.code(k) != 0; ++k) {
                if (kept.raw.code(k) == 2 && !isLayoutName(kept.raw.value(k))) return true;
            }
        }
    }
    return false;
}

}  // namespace

bool convertsTo(const DxfKept& kept, DxfVersion to) {
    if (kept.laterThanR12 || to == DxfVersion::R12) return true;
    return !hasBlocks(kept);
}

void tallyLeftInR12(const DxfKept& kept, ConversionTally& tally) {
    for (const auto& table : kept.tables) {
        if (!table.inDatabase && !table.comment) tally.dropped("table " + table.name);
    }
    for (const auto& entity : kept.keptEntities) {
        if (kept.raw.code(entity.raw.first) == 0) tally.dropped("paper-space entity");
    }
    for (const auto& item : kept.items) {
        if (item.kind == ItemKind::Section && !equalNoCase(item.name, "BLOCKS")) tally.dropped("section " + item.name);
    }
}

std::vector<std::string> ConversionTally::lines() const {
    std::vector<std::string> out;
    for (const auto& [what, count] : converted_) {
        const std::size_t to = what.find(" to ");
        out.push_back(what.substr(0, to) + ": " + std::to_string(count) + " converted" + what.substr(to));
    }
    for (const auto& [what, count] : dropped_) out.push_back(what + ": " + std::to_string(count) + " dropped");
    return out;
}

}  // namespace zcad::dxf
