#include "zcad/picture.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <new>

#include "cairo_canvas.h"
#include "painter.h"
#include "state/session_state.h"
#include "zcad/text.h"

namespace zcad {

namespace {

using render::Area;
using render::View;

constexpr render::Rgb kPaper{255, 255, 255};
constexpr render::Rgb kInk{0, 0, 0};
constexpr render::Rgb kScreen{33, 40, 48};

bool endsWithNoCase(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && equalNoCase(text.substr(text.size() - tail.size()), tail);
}

bool wholeNumber(std::string_view text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

render::PaintStyle paintStyle(const PictureOptions& options, PictureFormat format) {
    render::PaintStyle style;
    style.ground = options.dark ? kScreen : kPaper;
    style.ink = options.dark ? kPaper : kInk;
    style.pictureWidth = options.width;
    style.pictureHeight = options.height;
    // A PNG has pixels at the screen's 96 to the inch; SVG and PDF points at 72.
    if (options.lineweights) style.unitsPerMm = (format == PictureFormat::Png ? 96 : 72) / 25.4;
    return style;
}

// Where what is drawn lands, in drawing units: the painter run once
// without a surface.
Area measure(const Database& db, render::BlockLibrary& blocks, const PictureOptions& options) {
    render::MeasureSink sink;
    render::Painter painter(db, blocks, sink, paintStyle(options, PictureFormat::Png));
    if (options.only) painter.drawSome(*options.only);
    else painter.drawAll();
    return sink.covered();
}

Area windowArea(const PictureWindow& w) {
    Area area;
    area.add({w.x1, w.y1});
    area.add({w.x2, w.y2});
    return area;
}

cairo_surface_t* makeSurface(PictureFormat format, const std::string& path, int width, int height) {
    switch (format) {
    case PictureFormat::Png:
        return cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    case PictureFormat::Svg:
        return cairo_svg_surface_create(path.c_str(), width, height);
    case PictureFormat::Pdf:
        return cairo_pdf_surface_create(path.c_str(), width, height);
    }
    return nullptr;
}

struct Surface {
    cairo_surface_t* surface;
    ~Surface() { cairo_surface_destroy(surface); }
};

struct Context {
    cairo_t* cr;
    ~Context() { cairo_destroy(cr); }
};

// Draws into `path` (the file beside the target); the cairo status, or
// CAIRO_STATUS_SUCCESS.
cairo_status_t draw(const Database& db, const std::string& path, PictureFormat format, const PictureOptions& options) {
    render::BlockLibrary blocks(db);
    const Area area = options.window ? windowArea(*options.window) : measure(db, blocks, options);
    const double width = options.width;
    const double height = options.height;
    const View view = render::fitView(area, width, height);

    const Surface surface{makeSurface(format, path, options.width, options.height)};
    if (cairo_surface_status(surface.surface) != CAIRO_STATUS_SUCCESS) return cairo_surface_status(surface.surface);
    const Context context{cairo_create(surface.surface)};
    const render::Rgb ground = options.dark ? kScreen : kPaper;
    cairo_set_source_rgb(context.cr, ground.r / 255.0, ground.g / 255.0, ground.b / 255.0);
    cairo_paint(context.cr);
    {
        // A hairline stays one pixel wide on a picture of common size and
        // grows with larger ones, so that it still shows when scaled down.
        const double thin = std::max(1.0, std::min(width, height) / 1600.0);
        render::CairoCanvas canvas(context.cr, view, width, height, thin,
                                   format == PictureFormat::Png ? surface.surface : nullptr);
        render::Painter painter(db, blocks, canvas, paintStyle(options, format));
        if (options.only) painter.drawSome(*options.only);
        else painter.drawAll();
    }
    if (cairo_status(context.cr) != CAIRO_STATUS_SUCCESS) return cairo_status(context.cr);
    if (format == PictureFormat::Png) return cairo_surface_write_to_png(surface.surface, path.c_str());
    cairo_surface_finish(surface.surface);
    return cairo_surface_status(surface.surface);
}

}  // namespace

PictureOptions& pictureDefaults() { return sessionState<PictureOptions>(); }

std::optional<PictureFormat> pictureFormatOf(std::string_view path) {
    if (endsWithNoCase(path, ".png")) return PictureFormat::Png;
    if (endsWithNoCase(path, ".svg")) return PictureFormat::Svg;
    if (endsWithNoCase(path, ".pdf")) return PictureFormat::Pdf;
    return std::nullopt;
}

bool parsePictureSize(std::string_view text, int& width, int& height) {
    text = trimmed(text);
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos) return false;
    int w = 0;
    int h = 0;
    if (!wholeNumber(text.substr(0, x), w) || !wholeNumber(text.substr(x + 1), h)) return false;
    if (w < 1 || h < 1 || w > kLargestPicture || h > kLargestPicture) return false;
    width = w;
    height = h;
    return true;
}

bool writePicture(const Database& db, const std::string& path, const PictureOptions& options, std::string& error) {
    const std::optional<PictureFormat> format = pictureFormatOf(path);
    if (!format) {
        error = path + ": a picture is written as .png, .svg or .pdf";
        return false;
    }
    if (options.width < 1 || options.height < 1 || options.width > kLargestPicture || options.height > kLargestPicture) {
        error = path + ": a picture is 1 to " + std::to_string(kLargestPicture) + " wide and high";
        return false;
    }
    const std::string beside = path + ".part";
    cairo_status_t status = CAIRO_STATUS_NO_MEMORY;
    try {
        status = draw(db, beside, *format, options);
    } catch (const std::bad_alloc&) {
        status = CAIRO_STATUS_NO_MEMORY;
    }
    if (status == CAIRO_STATUS_SUCCESS && std::rename(beside.c_str(), path.c_str()) == 0) return true;
    ::unlink(beside.c_str());
    error = path + ": cannot write the picture (" +
            (status == CAIRO_STATUS_SUCCESS ? std::string("cannot rename it into place") : cairo_status_to_string(status)) + ")";
    return false;
}

}  // namespace zcad
