#include "alignment/alignment_path.h"

#include <cmath>

#include "arx/acedads.h"
#include "geometry/plan_geometry.h"
#include "geometry/host_point.h"

namespace {

// How far a tangent point may stand off the line of its neighbours.
constexpr double kTangentTolerance = 0.001;

// Records the buffers hold, as the messages name it.
constexpr int kMost = static_cast<int>(kZaAlignmentMostVertices);

// Is the segment from record i to the next an arc to compute? A bulge that
// gives no finite circle (coincident ends, no number) draws a straight.
bool isArc(const ZaAlignment& list, std::size_t i) {
    if (i + 1 >= list.size()) return false;
    const double bulge = list[i].bulgeOrRadius;
    if (bulge == 0 || !std::isfinite(bulge)) return false;
    const ZaPoint p1 = list[i].point();
    const ZaPoint p2 = list[i + 1].point();
    if (p1[0] == p2[0] && p1[1] == p2[1]) return false;
    const ZaArcCentre arc = CalcArc(p1, p2, bulge);
    return std::isfinite(arc.centre[0]) && std::isfinite(arc.centre[1]) && std::isfinite(arc.radius);
}

// Does q lie strictly between p and r along the line through them? On a
// tangent run the tangent point always does; one that does not marks a
// path that doubles back on itself.
bool liesBetween(const ZaPoint& p, const ZaPoint& r, const ZaPoint& q) {
    const double along = (q[0] - p[0]) * (r[0] - p[0]) + (q[1] - p[1]) * (r[1] - p[1]);
    const double chord = (r[0] - p[0]) * (r[0] - p[0]) + (r[1] - p[1]) * (r[1] - p[1]);
    return along > 0 && along < chord;
}

// The record before the last is checked once its successor is in: a
// tangent point must lie on the line from its predecessor to its successor,
// between them.
void checkTangency(ZaAlignment& out) {
    const std::size_t o = out.size();
    if (o <= 2) return;
    ZaAlignmentVertex& tangent = out[o - 2];
    if (tangent.bulgeOrRadius != kZaTangentPoint) return;
    const ZaPoint before = out[o - 3].point();
    const ZaPoint after = out[o - 1].point();
    const bool tangential = zaOffsetFromChord(before, after, tangent.point()) <= kTangentTolerance &&
                            liesBetween(before, after, tangent.point());
    if (tangential) return;
    tangent.bulgeOrRadius = 0;
    acutPrintf("\nWARNING: Vector not tangent to arc at (%.3f, %.3f).  New IP created.", tangent.x, tangent.y);
    acedGrDraw(zageometry::HostPoint(before), zageometry::HostPoint(after), 1, 0);
}

void append(ZaAlignment& out, const ZaAlignmentVertex& record) {
    out.push_back(record);
    checkTangency(out);
}

}  // namespace

bool FixArcs(const char* name, ZaAlignment& list) {
    ZaAlignment work;
    work.reserve(kZaAlignmentMostVertices);
    bool split = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (work.size() >= kZaAlignmentMostVertices - 1) {
            acutPrintf("\nERROR: %s alignment: FixArcs(): Too many vertices for temporary buffer.  (MAX: %d)", name,
                       kMost);
            return false;
        }
        const ZaAlignmentVertex& v = list[i];
        // The last record's bulge describes no segment.
        if (i + 1 == list.size() || !(std::fabs(v.bulgeOrRadius) >= 1.0)) {
            work.push_back(v);
            continue;
        }
        const double half = zaHalfBulge(v.bulgeOrRadius);
        const ZaPoint middle = zaBulgeMidpoint(v.point(), list[i + 1].point(), v.bulgeOrRadius);
        work.push_back({v.x, v.y, v.z, half, v.chainage});
        work.push_back({middle[0], middle[1], v.z, half, 0});
        split = true;
    }
    if (split) list = std::move(work);
    return true;
}

bool CalcPath(const char* name, ZaAlignment& list) {
    acutPrintf("start calcpath.\n");
    const std::size_t n = list.size();
    ZaAlignment out;
    out.reserve(kZaAlignmentMostVertices);
    double chainage = 0;
    bool arcHere = isArc(list, 0);
    bool arcBefore = false;
    for (std::size_t i = 0; i < n; ++i) {
        if (out.size() > kZaAlignmentMostVertices - 2) {
            acutPrintf("\nERROR: %s alignment: CalcPath(): Too many vertices for temporary buffer.  (MAX: %d)", name,
                       kMost);
            return false;
        }
        const bool arcNext = isArc(list, i + 1);
        const ZaAlignmentVertex& v = list[i];
        const bool inner = i >= 1 && i + 2 <= n;
        append(out, {v.x, v.y, v.z, inner && (arcHere || arcBefore) ? kZaTangentPoint : 0, chainage});
        if (arcHere) {
            const ZaPoint p1 = v.point();
            const ZaPoint p2 = list[i + 1].point();
            const ZaArcCentre arc = CalcArc(p1, p2, v.bulgeOrRadius);
            const double length = zaBulgeArcLength(p1, p2, v.bulgeOrRadius);
            const ZaPoint ip = zaArcTangentsMeet(p1, p2, arc.centre);
            append(out, {ip[0], ip[1], v.z, arc.radius, chainage + length / 2});
            chainage += length;
        } else if (i + 1 < n) {
            chainage += zaPlanDistance(v.point(), list[i + 1].point());
        }
        arcBefore = arcHere;
        arcHere = arcNext;
    }
    list = std::move(out);
    return true;
}
