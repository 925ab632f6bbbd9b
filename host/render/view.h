// Where the drawing lands in the picture: a uniform scale and a shift, y up
// in the drawing and down in the picture.
#pragma once

namespace zcad::render {

struct P2 {
    double x = 0;
    double y = 0;
};

// An area of the drawing's plan, x1 <= x2 and y1 <= y2 when not empty.
struct Area {
    double x1 = 1e300;
    double y1 = 1e300;
    double x2 = -1e300;
    double y2 = -1e300;

    bool empty() const { return x1 > x2 || y1 > y2; }
    void add(const P2& p);
};

struct View {
    double scale = 1;
    double left = 0;    // drawing x at picture x 0
    double top = 0;     // drawing y at picture y 0
    bool flipY = true;  // false only for measuring in drawing units

    P2 toPicture(double x, double y) const { return {(x - left) * scale, flipY ? (top - y) * scale : (y - top) * scale}; }
};

// The view that shows `area` whole and centred in a picture of width by
// height, with a margin of 3 per cent of the smaller side kept free all
// round. An empty area, one of no size, or one too large for doubles
// still gives a usable view.
View fitView(const Area& area, double width, double height);

// The view that leaves drawing units as they are.
View identityView();

}  // namespace zcad::render
