// Cutting what is drawn to the picture, with room to spare: cairo keeps
// coordinates in 24.8 fixed point and a file should not carry what lies
// far outside, so nothing far outside reaches either.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "view.h"

namespace zcad::render {

bool finite(const P2& p);

// Cuts the segment to the box (Liang-Barsky); false when nothing of it is
// inside.
bool clipSegment(P2& a, P2& b, double loX, double loY, double hiX, double hiY);

// Cuts the polygon to the box (Sutherland-Hodgman), in place.
void clipPolygon(std::vector<P2>& poly, std::vector<P2>& scratch, double loX, double loY, double hiX, double hiY);

// Each contour of a filled area (they end one before each of `ends`) that
// keeps an area's worth of corners when cut to the box [lo, hi] square:
// drawn(corners) for each, in order. Cut one by one, the contours still
// fill alike by either rule inside the box.
template <typename Drawn>
void eachClippedContour(std::span<const P2> points, std::span<const std::uint32_t> ends, double lo, double hiX, double hiY,
                        Drawn drawn) {
    thread_local std::vector<P2> corners;
    thread_local std::vector<P2> scratch;
    std::uint32_t start = 0;
    for (const std::uint32_t end : ends) {
        if (end > points.size() || end < start) return;
        corners.assign(points.begin() + start, points.begin() + end);
        start = end;
        bool usable = corners.size() >= 3;
        for (const P2& p : corners) usable = usable && finite(p);
        if (!usable) continue;
        clipPolygon(corners, scratch, lo, lo, hiX, hiY);
        if (corners.size() >= 3) drawn(static_cast<const std::vector<P2>&>(corners));
    }
}

}  // namespace zcad::render
