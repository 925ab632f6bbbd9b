#include "subdivision_generator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

#include "arx/acedads.h"

namespace zapads {

namespace {

constexpr double kLeastFrontage = 12;
constexpr double kMostFrontage = 24;
constexpr double kLeastDepth = 28;
constexpr double kMostDepth = 40;
// A row of lots sweeps at most this much of its circle.
constexpr double kWidestRow = 1.5 * std::numbers::pi;
constexpr double kParkWidth = 40;
constexpr double kParkHeight = 20;

// The same numbers on every machine: mt19937 is fixed by the standard, the
// scaling here too.
class Numbers {
public:
    explicit Numbers(std::uint32_t seed) : engine_(seed) {}
    double between(double low, double high) { return low + (high - low) * (engine_() / 4294967296.0); }

private:
    std::mt19937 engine_;
};

ZaPoint polar(const ZaPoint& centre, double radius, double angle) {
    return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

void addLevelText(Subdivision& s, const ZaPoint& at, double rotationDegrees, Numbers& numbers) {
    char level[32];
    std::snprintf(level, sizeof level, "%.2f", numbers.between(40, 60));
    s.texts.push_back({at, rotationDegrees, level});
}

struct Row {
    ZaPoint centre;
    double front = 0;  // radius of the road boundary
    double rear = 0;   // radius of the rear boundary
    double start = 0;  // angle of the first corner
    int lots = 0;
    bool frontLight = false;
};

void addRow(Subdivision& s, const Row& row, double overshoot, Numbers& numbers) {
    if (row.lots == 0) return;
    std::vector<double> angles{row.start};
    for (int i = 0; i < row.lots; ++i) angles.push_back(numbers.between(kLeastFrontage, kMostFrontage) / row.front);
    const double sweep = [&] {
        double total = 0;
        for (std::size_t i = 1; i < angles.size(); ++i) total += angles[i];
        return total;
    }();
    const double scale = sweep > kWidestRow ? kWidestRow / sweep : 1.0;
    for (std::size_t i = 1; i < angles.size(); ++i) angles[i] = angles[i - 1] + angles[i] * scale;

    SubdivisionPolyline front{{}, row.frontLight, false};
    SubdivisionPolyline rear{{}, !row.frontLight, false};
    for (std::size_t i = 0; i < angles.size(); ++i) {
        const bool last = i + 1 == angles.size();
        const double bulge = last ? 0 : std::tan((angles[i + 1] - angles[i]) / 4);
        const ZaPoint f = polar(row.centre, row.front, angles[i]);
        front.vertices.push_back({f.x, f.y, bulge});
        // Side boundaries run from the road past the rear boundary.
        const double beyond = row.rear > row.front ? row.rear + overshoot : row.rear - overshoot;
        s.lines.push_back({f, polar(row.centre, beyond, angles[i])});
    }
    // The rear boundary is drawn the other way round: its bulges turn clockwise.
    for (std::size_t i = angles.size(); i-- > 0;) {
        const double bulge = i == 0 ? 0 : -std::tan((angles[i] - angles[i - 1]) / 4);
        const ZaPoint r = polar(row.centre, row.rear, angles[i]);
        rear.vertices.push_back({r.x, r.y, bulge});
    }
    s.polylines.push_back(std::move(front));
    s.polylines.push_back(std::move(rear));
    for (int i = 0; i < row.lots; ++i) {
        const double middle = (angles[static_cast<std::size_t>(i)] + angles[static_cast<std::size_t>(i) + 1]) / 2;
        addLevelText(s, polar(row.centre, (row.front + row.rear) / 2, middle), middle * 180 / std::numbers::pi - 90,
                     numbers);
    }
}

// A rectangle in the block's middle, split in two by a LINE from side to side.
void addPark(Subdivision& s, const ZaPoint& c, int lots, Numbers& numbers) {
    const double w = kParkWidth / 2;
    const double h = kParkHeight / 2;
    s.polylines.push_back({{{c.x - w, c.y - h, 0}, {c.x + w, c.y - h, 0}, {c.x + w, c.y + h, 0}, {c.x - w, c.y + h, 0}},
                           true,
                           true});
    if (lots == 1) {
        addLevelText(s, c, 0, numbers);
        return;
    }
    s.lines.push_back({{c.x, c.y - h}, {c.x, c.y + h}});
    addLevelText(s, {c.x - w / 2, c.y}, 0, numbers);
    addLevelText(s, {c.x + w / 2, c.y}, 0, numbers);
}

resbuf* append(resbuf* tail, resbuf* rb) {
    tail->rbnext = rb;
    return rb;
}

resbuf* pointGroup(int code, double x, double y) {
    resbuf* rb = acutNewRb(code);
    rb->resval.rpoint[X] = x;
    rb->resval.rpoint[Y] = y;
    rb->resval.rpoint[Z] = 0;
    return rb;
}

resbuf* realGroup(int code, double value) {
    resbuf* rb = acutNewRb(code);
    rb->resval.rreal = value;
    return rb;
}

bool make(resbuf* list) {
    const bool made = acdbEntMake(list) == RTNORM;
    acutRelRb(list);
    return made;
}

bool drawLight(const SubdivisionPolyline& p) {
    resbuf* list = acutBuildList(RTDXF0, "LWPOLYLINE", 8, "lots", 90, static_cast<int>(p.vertices.size()), 70,
                                 p.closed ? 1 : 0, 0);
    resbuf* tail = list;
    while (tail->rbnext) tail = tail->rbnext;
    for (const SubdivisionVertex& v : p.vertices) {
        tail = append(tail, pointGroup(10, v.x, v.y));
        tail = append(tail, realGroup(42, v.bulge));
    }
    return make(list);
}

bool drawOld(const SubdivisionPolyline& p) {
    if (!make(acutBuildList(RTDXF0, "POLYLINE", 8, "lots", 66, 1, 70, p.closed ? 1 : 0, 0))) return false;
    for (const SubdivisionVertex& v : p.vertices) {
        const ads_point at = {v.x, v.y, 0};
        if (!make(acutBuildList(RTDXF0, "VERTEX", 8, "lots", 10, at, 42, v.bulge, 0))) return false;
    }
    return make(acutBuildList(RTDXF0, "SEQEND", 8, "lots", 0));
}

}  // namespace

Subdivision makeSubdivision(const SubdivisionShape& shape) {
    Subdivision s;
    Numbers numbers(shape.seed);
    const int perBlock = 2 * shape.lotsPerSide + 2;
    const int blocks = (shape.lots + perBlock - 1) / perBlock;
    const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(blocks)))));
    const double half = shape.roadWidth / 2;
    const double pitch = 2 * (shape.roadRadius + half + kMostDepth + shape.overshoot) + 20;
    int left = shape.lots;
    for (int b = 0; b < blocks; ++b) {
        const ZaPoint centre{(b % columns) * pitch, (b / columns) * pitch};
        const double depth = numbers.between(kLeastDepth, kMostDepth);
        const double start = numbers.between(0, kPadFullTurn);
        const int outer = std::min(shape.lotsPerSide, left);
        left -= outer;
        const int inner = std::min(shape.lotsPerSide, left);
        left -= inner;
        const int park = std::min(2, left);
        left -= park;
        addRow(s, {centre, shape.roadRadius + half, shape.roadRadius + half + depth, start, outer, true},
               shape.overshoot, numbers);
        addRow(s, {centre, shape.roadRadius - half, shape.roadRadius - half - depth, start, inner, false},
               shape.overshoot, numbers);
        if (park > 0) addPark(s, centre, park, numbers);
    }
    return s;
}

bool drawSubdivision(const Subdivision& s) {
    for (const SubdivisionPolyline& p : s.polylines) {
        if (!(p.light ? drawLight(p) : drawOld(p))) return false;
    }
    for (const PadSegment& line : s.lines) {
        const ads_point a = {line.a.x, line.a.y, 0};
        const ads_point b = {line.b.x, line.b.y, 0};
        if (!make(acutBuildList(RTDXF0, "LINE", 8, "lots", 10, a, 11, b, 0))) return false;
    }
    for (const SubdivisionText& t : s.texts) {
        const ads_point at = {t.at.x, t.at.y, 0};
        if (!make(acutBuildList(RTDXF0, "TEXT", 8, "lottext", 10, at, 40, 2.0, 1, t.text.c_str(), 50,
                                t.rotation * std::numbers::pi / 180, 0))) {
            return false;
        }
    }
    return true;
}

}  // namespace zapads
