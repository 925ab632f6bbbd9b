// The extents of the points a string import has read, for the zoom that
// ends it.
#pragma once

namespace zastrings {

struct ImportExtents {
    double minX = 9e9;
    double minY = 9e9;
    double maxX = -9e9;
    double maxY = -9e9;

    // URIN's way: a value that lowers the minimum is not compared with the
    // maximum, so points that only ever move west or south leave no window.
    void addUR(double x, double y) {
        if (x < minX) {
            minX = x;
        } else if (x > maxX) {
            maxX = x;
        }
        if (y < minY) {
            minY = y;
        } else if (y > maxY) {
            maxY = y;
        }
    }
    // TRIN's way: each value against both.
    void addTR(double x, double y) {
        if (x < minX) minX = x;
        if (x > maxX) maxX = x;
        if (y < minY) minY = y;
        if (y > maxY) maxY = y;
    }
    bool window() const { return maxX > minX && maxY > minY; }
};

}  // namespace zastrings
