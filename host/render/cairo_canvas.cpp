#include "cairo_canvas.h"

#include "clip.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace zcad::render {

namespace {

// Paths are drawn in batches of this many pieces, so that memory stays
// small and a stroke never works on millions of segments at once.
constexpr std::size_t kBatch = 8192;

}  // namespace

CairoCanvas::CairoCanvas(cairo_t* cr, const View& view, double width, double height, double thin, cairo_surface_t* image)
    : Sink(view), cr_(cr), image_(image), width_(width), height_(height), thin_(thin), slack_(thin * 4 + 2) {
    if (image_) {
        unsigned char* pixels = cairo_image_surface_get_data(image_);
        const cairo_format_t format = cairo_image_surface_get_format(image_);
        if (!pixels || (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32)) image_ = nullptr;
        else raster_ = Raster(pixels, cairo_image_surface_get_stride(image_), static_cast<int>(width), static_cast<int>(height));
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
    raster_.colour(colour);
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

void CairoCanvas::counted() {
    if (++gathered_ >= kBatch) flush();
}

void CairoCanvas::segment(const P2& from, const P2& to) {
    P2 a = from;
    P2 b = to;
    if (direct()) {
        if (!clipSegment(a, b, 0, 0, width_, height_)) return;
        use(Mode::Pixels);
        return raster_.line(a, b);
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
    eachClippedContour(points, ends, -slack_, width_ + slack_, height_ + slack_, [&](const std::vector<P2>& corners) {
        if (!started) {
            use(Mode::Fill);
            cairo_set_fill_rule(cr_, rule == FillRule::EvenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
            rule_ = rule;
            started = true;
        }
        cairo_move_to(cr_, corners[0].x, corners[0].y);
        for (std::size_t i = 1; i < corners.size(); ++i) cairo_line_to(cr_, corners[i].x, corners[i].y);
        cairo_close_path(cr_);
    });
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
        return raster_.dot(at);
    }
    const double half = std::max(thin_, 1.0);
    const P2 square[] = {{at.x - half, at.y - half}, {at.x + half, at.y - half}, {at.x + half, at.y + half}, {at.x - half, at.y + half}};
    polygon(square);
}

}  // namespace zcad::render
