#include "cairo_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

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

CairoCanvas::CairoCanvas(cairo_t* cr, const View& view, double width, double height, double thin, cairo_surface_t* image)
    : Sink(view), cr_(cr), image_(image), width_(width), height_(height), thin_(thin), slack_(thin * 4 + 2) {
    if (image_) {
        pixels_ = cairo_image_surface_get_data(image_);
        stride_ = cairo_image_surface_get_stride(image_);
        if (!pixels_ || cairo_image_surface_get_format(image_) != CAIRO_FORMAT_RGB24) image_ = nullptr;
    }
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_BEVEL);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
}

CairoCanvas::~CairoCanvas() { use(Mode::None); }

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

// cairo must be told when its pixels are written behind its back, and must
// have finished its own drawing first.
void CairoCanvas::use(Mode mode) {
    if (mode == mode_) return;
    flush();
    if (mode_ == Mode::Pixels) cairo_surface_mark_dirty(image_);
    if (mode == Mode::Pixels) cairo_surface_flush(image_);
    mode_ = mode;
}

void CairoCanvas::blend(int x, int y, double coverage) {
    if (x < 0 || y < 0 || x >= static_cast<int>(width_) || y >= static_cast<int>(height_)) return;
    auto* pixel = reinterpret_cast<std::uint32_t*>(pixels_ + static_cast<std::ptrdiff_t>(y) * stride_) + x;
    const std::uint32_t p = *pixel;
    const auto mix = [coverage](std::uint32_t from, std::uint8_t to) {
        return static_cast<std::uint32_t>(std::lround(from + (to - static_cast<double>(from)) * coverage));
    };
    *pixel = mix((p >> 16) & 0xFF, colour_.r) << 16 | mix((p >> 8) & 0xFF, colour_.g) << 8 | mix(p & 0xFF, colour_.b);
}

// Xiaolin Wu's line: along the longer axis, each step shares the ink
// between the two pixels the line passes between, as anti-aliasing does.
void CairoCanvas::line(P2 a, P2 b) {
    // Pixel centres at whole numbers.
    a = {a.x - 0.5, a.y - 0.5};
    b = {b.x - 0.5, b.y - 0.5};
    const bool steep = std::fabs(b.y - a.y) > std::fabs(b.x - a.x);
    if (steep) {
        std::swap(a.x, a.y);
        std::swap(b.x, b.y);
    }
    if (a.x > b.x) std::swap(a, b);
    const double gradient = b.x > a.x ? (b.y - a.y) / (b.x - a.x) : 0.0;
    const int first = static_cast<int>(std::floor(a.x + 0.5));
    const int last = static_cast<int>(std::floor(b.x + 0.5));
    for (int x = first; x <= last; ++x) {
        const double y = a.y + gradient * (x - a.x);
        const double below = std::floor(y);
        const int row = static_cast<int>(below);
        const double share = y - below;
        if (steep) {
            blend(row, x, 1 - share);
            blend(row + 1, x, share);
        } else {
            blend(x, row, 1 - share);
            blend(x, row + 1, share);
        }
    }
}

void CairoCanvas::counted() {
    if (++gathered_ >= kBatch) flush();
}

void CairoCanvas::segment(const P2& from, const P2& to) {
    P2 a = from;
    P2 b = to;
    if (direct()) {
        if (!clipSegment(a, b, 0, 0, width_, height_)) return;
        use(Mode::Pixels);
        return line(a, b);
    }
    const double pad = slack_ + penWidth_;
    if (!clipSegment(a, b, -pad, -pad, width_ + pad, height_ + pad)) return;
    use(Mode::Stroke);
    if (!atEnd_ || a.x != end_.x || a.y != end_.y) cairo_move_to(cr_, a.x, a.y);
    cairo_line_to(cr_, b.x, b.y);
    end_ = b;
    atEnd_ = true;
    counted();
}

void CairoCanvas::area(std::span<const P2> points, std::span<const std::uint32_t> ends, FillRule rule) {
    if (mode_ == Mode::Fill && rule != rule_) flush();
    bool started = false;
    std::uint32_t start = 0;
    for (const std::uint32_t end : ends) {
        if (end > points.size() || end < start) break;
        clipped_.assign(points.begin() + start, points.begin() + end);
        start = end;
        if (clipped_.size() < 3 || !std::all_of(clipped_.begin(), clipped_.end(), finite)) continue;
        clipPolygon(clipped_, scratch_, -slack_, -slack_, width_ + slack_, height_ + slack_);
        if (clipped_.size() < 3) continue;
        if (!started) {
            use(Mode::Fill);
            cairo_set_fill_rule(cr_, rule == FillRule::EvenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
            rule_ = rule;
            started = true;
        }
        cairo_move_to(cr_, clipped_[0].x, clipped_[0].y);
        for (std::size_t i = 1; i < clipped_.size(); ++i) cairo_line_to(cr_, clipped_[i].x, clipped_[i].y);
        cairo_close_path(cr_);
    }
    if (!started) return;
    atEnd_ = false;
    counted();
    // Even-odd areas are filled one by one: two hatches that overlap are
    // not one with a hole.
    if (rule == FillRule::EvenOdd) flush();
}

void CairoCanvas::dot(const P2& at) {
    if (!finite(at) || at.x < -slack_ || at.y < -slack_ || at.x > width_ + slack_ || at.y > height_ + slack_) return;
    if (direct()) {
        use(Mode::Pixels);
        const int x = static_cast<int>(std::floor(at.x - 0.5));
        const int y = static_cast<int>(std::floor(at.y - 0.5));
        for (int k = 0; k < 4; ++k) blend(x + k % 2, y + k / 2, 1);
        return;
    }
    const double half = std::max(thin_, 1.0);
    const P2 square[] = {{at.x - half, at.y - half}, {at.x + half, at.y - half}, {at.x + half, at.y + half}, {at.x - half, at.y + half}};
    polygon(square);
}

}  // namespace zcad::render
