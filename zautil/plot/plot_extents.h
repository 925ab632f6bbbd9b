// The area a plot file covered, for the zoom at the end of an import.
#pragma once

struct ZaPlotExtents {
    double minX = 9e9;
    double minY = 9e9;
    double maxX = -9e9;
    double maxY = -9e9;

    void take(double x, double y) {
        if (x < minX) minX = x;
        if (x > maxX) maxX = x;
        if (y < minY) minY = y;
        if (y > maxY) maxY = y;
    }
    // No window can be made: nothing was read, or all on one line.
    bool flat() const { return maxX <= minX || maxY <= minY; }
};
