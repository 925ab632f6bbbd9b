// Drawing on a cairo surface. Strokes and fills of one pen are gathered
// into one path and drawn together: a cairo call per entity would cost more
// than the entity.
#pragma once

#include <cairo.h>

#include <vector>

#include "raster.h"
#include "sink.h"

namespace zcad::render {

class CairoCanvas : public Sink {
public:
    // `thin` is the width in picture units of a line of width 0. With an
    // image surface, lines one pixel wide are drawn straight into its
    // pixels: cairo's stroker costs microseconds a segment, which a drawing
    // of millions of short lines cannot afford.
    CairoCanvas(cairo_t* cr, const View& view, double width, double height, double thin, cairo_surface_t* image);
    ~CairoCanvas() override;

    void pen(const Rgb& colour, double width) override;
    void segment(const P2& from, const P2& to) override;
    void area(std::span<const P2> points, std::span<const std::uint32_t> ends, FillRule rule) override;
    void dot(const P2& at) override;
    double flatness() const override { return 0.2; }

    // Draws what is gathered.
    void flush();

private:
    enum class Mode { None, Stroke, Fill, Pixels };
    void use(Mode mode);
    void counted();
    bool direct() const { return image_ && penWidth_ <= thin_ && thin_ <= 1; }

    cairo_t* cr_;
    cairo_surface_t* image_;
    Raster raster_{nullptr, 0, 0, 0};
    double width_;
    double height_;
    double thin_;
    double slack_;  // how far outside the picture a line is still drawn
    Rgb colour_;
    double penWidth_ = 0;
    Mode mode_ = Mode::None;
    FillRule rule_ = FillRule::NonZero;
    std::size_t gathered_ = 0;
    bool atEnd_ = false;  // the path ends at end_, so a joining segment needs no move
    P2 end_;
};

}  // namespace zcad::render
