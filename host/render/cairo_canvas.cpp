#include "cairo_canvas.h"

#include <algorithm>
#include <cmath>

namespace zcad::render {

namespace {

// Paths are drawn in batches of this many pieces, so that memory stays
// small and a stroke never works on millions of segments at once.
constexpr std::size_t kBatch = 8192;

bool finite(const P2& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Cuts the segment to the box [lo, hi]^2 (Liang-Barsky); false when
// nothing of it is inside. cairo keeps coordinates in 24.8 fixed point, so
// what lies far outside must not reach it.
bool clipSegment(P2& a, P2& b, double loX, double loY, double hiX, double hiY) {
    if (!finite(a) || !finite(b)) return false;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - loX, hiX - a.x, a.y - loY, hiY - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        if (p[i] > 0) t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const P2 from = a;
    if (t1 < 1) b = {from.x + t1 * dx, from.y + t1 * dy};
    if (t0 > 0) a = {from.x + t0 * dx, from.y + t0 * dy};
    return true;
}

// One edge of Sutherland-Hodgman: keeps the part where inside(p) holds.
template <typename Inside, typename Cross>
void clipEdge(const std::vector<P2>& in, std::vector<P2>& out, Inside inside, Cross cross) {
    out.clear();
    for (std::size_t i = 0; i < in.size(); ++i) {
        const P2& a = in[i];
        const P2& b = in[(i + 1) % in.size()];
        const bool ina = inside(a);
        const bool inb = inside(b);
        if (ina) out.push_back(a);
        if (ina != inb) out.push_back(cross(a, b));
    }
}

void clipPolygon(std::vector<P2>& poly, std::vector<P2>& scratch, double loX, double loY, double hiX, double hiY) {
    const auto atX = [](const P2& a, const P2& b, double x) {
        return P2{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)};
    };
    const auto atY = [](const P2& a, const P2& b, double y) {
        return P2{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y};
    };
    clipEdge(poly, scratch, [&](const P2& p) { return p.x >= loX; }, [&](const P2& a, const P2& b) { return atX(a, b, loX); });
    clipEdge(scratch, poly, [&](const P2& p) { return p.x <= hiX; }, [&](const P2& a, const P2& b) { return atX(a, b, hiX); });
    clipEdge(poly, scratch, [&](const P2& p) { return p.y >= loY; }, [&](const P2& a, const P2& b) { return atY(a, b, loY); });
    clipEdge(scratch, poly, [&](const P2& p) { return p.y <= hiY; }, [&](const P2& a, const P2& b) { return atY(a, b, hiY); });
}

}  // namespace

CairoCanvas::CairoCanvas(cairo_t* cr, const View& view, double width, double height, double thin)
    : Sink(view), cr_(cr), width_(width), height_(height), thin_(thin), slack_(thin * 4 + 2) {
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_BEVEL);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
}

CairoCanvas::~CairoCanvas() { flush(); }

void CairoCanvas::flush() {
    if (gathered_ > 0) {
        cairo_set_source_rgb(cr_, colour_.r / 255.0, colour_.g / 255.0, colour_.b / 255.0);
        if (mode_ == Mode::Stroke) {
            cairo_set_line_width(cr_, std::max(thin_, penWidth_));
            cairo_stroke(cr_);
        } else {
            cairo_fill(cr_);
        }
    }
    cairo_new_path(cr_);
    gathered_ = 0;
    atEnd_ = false;
}

void CairoCanvas::pen(const Rgb& colour, double width) {
    if (colour == colour_ && width == penWidth_) return;
    flush();
    colour_ = colour;
    penWidth_ = width;
}

void CairoCanvas::use(Mode mode) {
    if (mode == mode_) return;
    flush();
    mode_ = mode;
}

void CairoCanvas::counted() {
    if (++gathered_ >= kBatch) flush();
}

void CairoCanvas::segment(const P2& from, const P2& to) {
    P2 a = from;
    P2 b = to;
    const double pad = slack_ + penWidth_;
    if (!clipSegment(a, b, -pad, -pad, width_ + pad, height_ + pad)) return;
    use(Mode::Stroke);
    if (!atEnd_ || a.x != end_.x || a.y != end_.y) cairo_move_to(cr_, a.x, a.y);
    cairo_line_to(cr_, b.x, b.y);
    end_ = b;
    atEnd_ = true;
    counted();
}

void CairoCanvas::polygon(std::span<const P2> corners) {
    if (corners.size() < 3) return;
    clipped_.assign(corners.begin(), corners.end());
    for (const P2& p : clipped_) {
        if (!finite(p)) return;
    }
    clipPolygon(clipped_, scratch_, -slack_, -slack_, width_ + slack_, height_ + slack_);
    if (clipped_.size() < 3) return;
    use(Mode::Fill);
    cairo_move_to(cr_, clipped_[0].x, clipped_[0].y);
    for (std::size_t i = 1; i < clipped_.size(); ++i) cairo_line_to(cr_, clipped_[i].x, clipped_[i].y);
    cairo_close_path(cr_);
    atEnd_ = false;
    counted();
}

void CairoCanvas::dot(const P2& at) {
    if (!finite(at) || at.x < -slack_ || at.y < -slack_ || at.x > width_ + slack_ || at.y > height_ + slack_) return;
    const double half = std::max(thin_, 1.0);
    const P2 square[] = {{at.x - half, at.y - half}, {at.x + half, at.y - half}, {at.x + half, at.y + half}, {at.x - half, at.y + half}};
    polygon(square);
}

}  // namespace zcad::render
