// The area an import covered, for the zoom that ends it.
#pragma once

namespace zaimport {

struct ImportExtents {
    double minX = 9e9;
    double minY = 9e9;
    double maxX = -9e9;
    double maxY = -9e9;

    // Each value against both bounds (PFIN, TRIN).
    void take(double x, double y) {
        if (x < minX) minX = x;
        if (x > maxX) maxX = x;
        if (y < minY) minY = y;
        if (y > maxY) maxY = y;
    }
    // URIN's way, kept as the suite has it: a value that lowers the minimum
    // is not compared with the maximum, so points that only ever move west
    // or south leave no window and the view falls back to the drawing's
    // extents.
    void takeLowerFirst(double x, double y) {
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
    // Nothing was read, or everything lies on one line.
    bool hasArea() const { return maxX > minX && maxY > minY; }
};

}  // namespace zaimport
