#include "pads/line_list.h"

#include <algorithm>
#include <cmath>

#include "pads/pad_index.h"

namespace zapads {

namespace {

constexpr int kSegmentsPerReport = 500;

// A cut of one segment or line: how far along it, and where.
struct Cut {
    int owner;
    double along;
    ZaPoint at;
};

bool byOwnerThenAlong(const Cut& a, const Cut& b) {
    return a.owner != b.owner ? a.owner < b.owner : a.along < b.along;
}

double distance(const ZaPoint& a, const ZaPoint& b) { return std::hypot(b.x - a.x, b.y - a.y); }

void appendLine(std::vector<PadLine>& lines, const ZaPoint& a, const ZaPoint& b) {
    PadLine line;
    line.a = a;
    line.b = b;
    lines.push_back(line);
}

// The pieces of a-b between its cuts, which run along it in order.
void appendPieces(std::vector<PadLine>& lines, const ZaPoint& a, const ZaPoint& b, std::span<const Cut> cuts) {
    ZaPoint from = a;
    for (const Cut& cut : cuts) {
        if (cut.at == from) continue;
        appendLine(lines, from, cut.at);
        from = cut.at;
    }
    appendLine(lines, from, b);
}

}  // namespace

std::optional<ZaPoint> padCrossing(const ZaPoint& p1, const ZaPoint& p2, const ZaPoint& q1, const ZaPoint& q2) {
    const double length = distance(p1, p2);
    if (!(length >= kPadCrossingMargin)) return std::nullopt;
    const double ux = (p2.x - p1.x) / length;
    const double uy = (p2.y - p1.y) / length;
    // Signed distances of q's ends from p's line (left positive) and their
    // projections along it.
    const double s1 = (q1.y - p1.y) * ux - (q1.x - p1.x) * uy;
    const double s2 = (q2.y - p1.y) * ux - (q2.x - p1.x) * uy;
    if ((s1 >= 0 && s2 >= 0) || (s1 <= 0 && s2 <= 0)) return std::nullopt;
    const double a1 = (q1.x - p1.x) * ux + (q1.y - p1.y) * uy;
    const double a2 = (q2.x - p1.x) * ux + (q2.y - p1.y) * uy;
    const double t = (a1 * s2 - a2 * s1) / (s2 - s1);
    if (!(t > kPadCrossingMargin && t < length - kPadCrossingMargin)) return std::nullopt;
    return ZaPoint{p1.x + t * ux, p1.y + t * uy};
}

// Each segment is tested against the earlier ones its box meets, as the
// suite tested it against every line stored before it. Both are cut at
// every crossing found, whatever order the crossings come in.
std::vector<PadLine> padSplitCrossings(std::span<const PadSegment> segments, const PadProgress& progress) {
    std::vector<BoxEntry> boxes;
    boxes.reserve(segments.size());
    for (std::size_t i = 0; i < segments.size(); ++i) {
        boxes.emplace_back(boxAround(segments[i].a, segments[i].b), static_cast<int>(i));
    }
    const BoxTree tree(boxes.begin(), boxes.end());
    boxes = {};

    std::vector<Cut> cuts;
    const int count = static_cast<int>(segments.size());
    for (int j = 0; j < count; ++j) {
        const PadSegment& q = segments[static_cast<std::size_t>(j)];
        forEachMeeting(tree, boxAround(q.a, q.b), [&](int i) {
            if (i >= j) return;
            const PadSegment& p = segments[static_cast<std::size_t>(i)];
            const auto at = padCrossing(p.a, p.b, q.a, q.b);
            if (!at) return;
            cuts.push_back({i, distance(p.a, *at), *at});
            cuts.push_back({j, distance(q.a, *at), *at});
        });
        if ((j + 1) % kSegmentsPerReport == 0 && progress) progress(j + 1, static_cast<int>(cuts.size()));
    }
    std::sort(cuts.begin(), cuts.end(), byOwnerThenAlong);

    std::vector<PadLine> lines;
    lines.reserve(segments.size() + cuts.size());
    auto cut = cuts.begin();
    for (int i = 0; i < count; ++i) {
        const auto first = cut;
        while (cut != cuts.end() && cut->owner == i) ++cut;
        const PadSegment& s = segments[static_cast<std::size_t>(i)];
        appendPieces(lines, s.a, s.b, std::span<const Cut>(first, cut));
    }
    return lines;
}

int padRemoveShortLines(std::vector<PadLine>& lines) {
    int removed = 0;
    std::size_t i = 0;
    while (i < lines.size()) {
        // Not "> length": a line with a coordinate that is not a number goes too.
        if (distance(lines[i].a, lines[i].b) > kPadZeroLength) {
            ++i;
            continue;
        }
        lines[i] = lines.back();
        lines.pop_back();
        ++removed;
    }
    return removed;
}

std::vector<ZaPoint> padSegmentEnds(std::span<const PadSegment> segments) {
    std::vector<ZaPoint> ends;
    ends.reserve(2 * segments.size());
    for (const PadSegment& s : segments) {
        ends.push_back(s.a);
        ends.push_back(s.b);
    }
    return ends;
}

void padSplitAtVertices(std::vector<PadLine>& lines, std::vector<ZaPoint> vertices) {
    // A vertex shared by many segments is one cut.
    const auto byPosition = [](const ZaPoint& a, const ZaPoint& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; };
    std::sort(vertices.begin(), vertices.end(), byPosition);
    vertices.erase(std::unique(vertices.begin(), vertices.end()), vertices.end());
    std::vector<PointEntry> points;
    points.reserve(vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        points.emplace_back(IndexPoint(vertices[i].x, vertices[i].y), static_cast<int>(i));
    }
    const PointTree tree(points.begin(), points.end());
    points = {};

    std::vector<PadLine> split;
    split.reserve(lines.size());
    std::vector<Cut> cuts;
    for (const PadLine& line : lines) {
        const double length = distance(line.a, line.b);
        cuts.clear();
        if (length > 2 * kPadVertexTolerance) {
            const double ux = (line.b.x - line.a.x) / length;
            const double uy = (line.b.y - line.a.y) / length;
            forEachMeeting(tree, boxAround(line.a, line.b, kPadVertexTolerance), [&](int v) {
                const ZaPoint& p = vertices[static_cast<std::size_t>(v)];
                const double along = (p.x - line.a.x) * ux + (p.y - line.a.y) * uy;
                const double off = (p.y - line.a.y) * ux - (p.x - line.a.x) * uy;
                if (along <= kPadVertexTolerance || along >= length - kPadVertexTolerance) return;
                if (std::fabs(off) > kPadVertexTolerance) return;
                cuts.push_back({0, along, p});
            });
        }
        if (cuts.empty()) {
            split.push_back(line);
            continue;
        }
        std::sort(cuts.begin(), cuts.end(), byOwnerThenAlong);
        appendPieces(split, line.a, line.b, cuts);
    }
    lines = std::move(split);
}

std::vector<PadLine> padLineList(std::span<const PadSegment> segments, const PadProgress& progress,
                                 PadLineCounts& counts) {
    std::vector<PadLine> lines = padSplitCrossings(segments, progress);
    counts.zeroLength = padRemoveShortLines(lines);
    counts.beforeVertexSplit = static_cast<int>(lines.size());
    padSplitAtVertices(lines, padSegmentEnds(segments));
    counts.afterVertexSplit = static_cast<int>(lines.size());
    while (padRemoveShortLines(lines) > 0) {
    }
    return lines;
}

}  // namespace zapads
