#include "zcad/picture.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <exception>
#include <map>
#include <memory>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

#include "cairo_canvas.h"
#include "html_page.h"
#include "painter.h"
#include "png_file.h"
#include "state/session_state.h"
#include "svg_writer.h"
#include "zcad/text.h"

namespace zcad {

namespace {

using render::Area;
using render::View;

constexpr render::Rgb kPaper{255, 255, 255};
constexpr render::Rgb kInk{0, 0, 0};
constexpr render::Rgb kScreen{33, 40, 48};

// A drawing is split among threads in parts of at least this many
// entities; a small one is drawn on one.
constexpr EntityId kSmallestPart = 20000;
constexpr unsigned kMostParts = 8;

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

// A hairline stays one unit wide on a picture of common size and grows
// with larger ones, so that it still shows when scaled down.
double thinLine(const PictureOptions& options) { return std::max(1.0, std::min(options.width, options.height) / 1600.0); }

// How many threads draw the picture: one a core, each with a fair share.
unsigned partsFor(const Database& db, const PictureOptions& options) {
    if (options.only) return 1;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const auto shares = static_cast<unsigned>(db.entityCount() / kSmallestPart);
    return std::clamp(std::min(cores, shares), 1u, kMostParts);
}

EntityId partStart(const Database& db, unsigned part, unsigned parts) {
    return static_cast<EntityId>(static_cast<std::uint64_t>(db.entityCount()) * part / parts);
}

// Runs work(part) for each part, the last on this thread; what one of
// them throws is thrown here once all are done.
template <typename Work>
void eachPart(unsigned parts, Work work) {
    std::vector<std::exception_ptr> failures(parts);
    std::vector<std::thread> threads;
    const auto run = [&](unsigned part) {
        try {
            work(part);
        } catch (...) {
            failures[part] = std::current_exception();
        }
    };
    for (unsigned part = 0; part + 1 < parts; ++part) threads.emplace_back(run, part);
    run(parts - 1);
    for (std::thread& t : threads) t.join();
    for (const std::exception_ptr& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
}

// Where what is drawn lands, in drawing units: the painter run without a
// surface, a part of the drawing on each thread.
Area measure(const Database& db, render::BlockLibrary& blocks, const PictureOptions& options) {
    const unsigned parts = partsFor(db, options);
    std::vector<Area> areas(parts);
    eachPart(parts, [&](unsigned part) {
        render::MeasureSink sink;
        render::Painter painter(db, blocks, sink, paintStyle(options, PictureFormat::Png));
        if (options.only) painter.drawSome(*options.only);
        else painter.drawRange(partStart(db, part, parts), partStart(db, part + 1, parts));
        areas[part] = sink.covered();
    });
    Area all;
    for (const Area& a : areas) {
        if (a.empty()) continue;
        all.add({a.x1, a.y1});
        all.add({a.x2, a.y2});
    }
    return all;
}

Area windowArea(const PictureWindow& w) {
    Area area;
    area.add({w.x1, w.y1});
    area.add({w.x2, w.y2});
    return area;
}

struct Surface {
    explicit Surface(cairo_surface_t* s) : surface(s) {}
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface() { cairo_surface_destroy(surface); }
    cairo_surface_t* surface;
};

struct Context {
    explicit Context(cairo_t* c) : cr(c) {}
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;
    ~Context() { cairo_destroy(cr); }
    cairo_t* cr;
};

struct File {
    explicit File(std::FILE* f) : file(f) {}
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File() {
        if (file) std::fclose(file);
    }
    std::FILE* file;
};

// A page's coordinates are finer than a picture's: it is there to zoom into.
constexpr double kPageUnitsPerPoint = 100;

// The page's file name, without the folder and the ".part" it is written as.
std::string pageTitle(const std::string& path) {
    std::string_view name(path);
    if (const std::size_t slash = name.rfind('/'); slash != std::string_view::npos) name.remove_prefix(slash + 1);
    if (name.ends_with(".part")) name.remove_suffix(5);
    return std::string(name);
}

// The layers as the parts counted them, in name order; names that differ
// only in case are one layer, spelt as the layer table spells it.
render::PageFacts pageFacts(const Database& db, const View& view, const PictureOptions& options,
                            const render::PaintStyle& style, const std::vector<render::LayerTally>& tallies) {
    std::map<std::string, render::PageLayer> layers;
    for (const render::LayerTally& tally : tallies) {
        for (const auto& [name, count] : tally.counts()) {
            render::PageLayer& layer = layers[upperCase(name)];
            if (layer.name.empty() || name < layer.name) layer.name = name;
            layer.count += count;
        }
    }
    render::PageFacts facts;
    facts.view = view;
    facts.unitsPerPoint = kPageUnitsPerPoint;
    facts.width = options.width;
    facts.height = options.height;
    facts.lineweights = options.lineweights;
    for (auto& [key, layer] : layers) {
        if (const TableRecord* record = db.layers().find(layer.name)) layer.name = record->name();
        layer.colour = render::layerColour(db, layer.name, style);
        facts.layers.push_back(std::move(layer));
    }
    return facts;
}

std::string cairoError(cairo_status_t status) { return status == CAIRO_STATUS_SUCCESS ? std::string() : cairo_status_to_string(status); }

void paintGround(cairo_t* cr, const render::Rgb& ground) {
    cairo_set_source_rgb(cr, ground.r / 255.0, ground.g / 255.0, ground.b / 255.0);
    cairo_paint(cr);
}

// Each part of the drawing on a layer of its own, on its own thread; the
// layers laid one over the next in drawing order, which is what drawing
// them in turn on one surface gives.
std::string drawPng(const Database& db, render::BlockLibrary& blocks, const std::string& path, const View& view,
                    const PictureOptions& options) {
    const Surface picture(cairo_image_surface_create(CAIRO_FORMAT_RGB24, options.width, options.height));
    if (cairo_surface_status(picture.surface) != CAIRO_STATUS_SUCCESS) return cairoError(cairo_surface_status(picture.surface));
    const unsigned parts = partsFor(db, options);
    std::vector<std::unique_ptr<Surface>> layers;
    for (unsigned part = 1; part < parts; ++part) {
        layers.push_back(std::make_unique<Surface>(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, options.width, options.height)));
        if (cairo_surface_status(layers.back()->surface) != CAIRO_STATUS_SUCCESS) return cairoError(cairo_surface_status(layers.back()->surface));
    }
    std::vector<cairo_status_t> status(parts, CAIRO_STATUS_SUCCESS);
    {
        const Context cr(cairo_create(picture.surface));
        paintGround(cr.cr, paintStyle(options, PictureFormat::Png).ground);
    }
    eachPart(parts, [&](unsigned part) {
        cairo_surface_t* surface = part == 0 ? picture.surface : layers[part - 1]->surface;
        const Context cr(cairo_create(surface));
        {
            render::CairoCanvas canvas(cr.cr, view, options.width, options.height, thinLine(options), surface);
            render::Painter painter(db, blocks, canvas, paintStyle(options, PictureFormat::Png));
            if (options.only) painter.drawSome(*options.only);
            else painter.drawRange(partStart(db, part, parts), partStart(db, part + 1, parts));
        }
        status[part] = cairo_status(cr.cr);
    });
    for (const cairo_status_t s : status) {
        if (s != CAIRO_STATUS_SUCCESS) return cairoError(s);
    }
    const Context cr(cairo_create(picture.surface));
    for (const auto& layer : layers) {
        cairo_surface_mark_dirty(layer->surface);
        cairo_set_source_surface(cr.cr, layer->surface, 0, 0);
        cairo_paint(cr.cr);
    }
    if (cairo_status(cr.cr) != CAIRO_STATUS_SUCCESS) return cairoError(cairo_status(cr.cr));
    cairo_surface_flush(picture.surface);
    return render::writePng(path, cairo_image_surface_get_data(picture.surface), options.width, options.height,
                            cairo_image_surface_get_stride(picture.surface));
}

// Each part of the drawing written on its own thread, the first straight
// into the file and the others into files of their own that are then
// copied after it in order: memory stays the same whatever the drawing.
// In a page, the SVG sits between the page's head and its tail, which
// lists the layers as the parts counted them.
std::string drawSvg(const Database& db, render::BlockLibrary& blocks, const std::string& path, const View& view,
                    const PictureOptions& options, bool page) {
    const File out(std::fopen(path.c_str(), "wb"));
    if (!out.file) return "cannot open it";
    const render::PaintStyle style = paintStyle(options, PictureFormat::Svg);
    render::SvgLook look;
    look.width = options.width;
    look.height = options.height;
    look.ground = style.ground;
    look.thin = thinLine(options);
    look.handles = options.svgHandles && !page;
    look.inPage = page;
    look.ids = page;
    look.screenHairlines = page && !options.lineweights;
    look.unitsPerPoint = page ? kPageUnitsPerPoint : 10;
    const unsigned parts = partsFor(db, options);
    std::vector<std::unique_ptr<File>> later;
    for (unsigned part = 1; part < parts; ++part) {
        later.push_back(std::make_unique<File>(std::tmpfile()));
        if (!later.back()->file) return "cannot make room for its parts";
    }
    std::vector<char> good(parts, 1);
    std::vector<render::LayerTally> tallies(parts);
    if (page) {
        std::string head;
        render::writePageHead(head, pageTitle(path), style.ground, style.ink);
        if (std::fwrite(head.data(), 1, head.size(), out.file) != head.size()) return "a write failed";
    }
    render::SvgWriter head(out.file, view, look);
    head.begin();
    eachPart(parts, [&](unsigned part) {
        render::SvgWriter writer(part == 0 ? out.file : later[part - 1]->file, view, look, static_cast<char>('p' + part));
        render::Painter painter(db, blocks, writer, style);
        if (options.only) painter.drawSome(*options.only);
        else painter.drawRange(partStart(db, part, parts), partStart(db, part + 1, parts));
        writer.finish();
        good[part] = writer.good() ? 1 : 0;
        tallies[part] = writer.tally();
    });
    for (const auto& part : later) {
        std::rewind(part->file);
        std::vector<char> chunk(1 << 20);
        while (const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), part->file)) {
            if (std::fwrite(chunk.data(), 1, n, out.file) != n) return "a write failed";
        }
        if (std::ferror(part->file)) return "a part could not be read back";
    }
    head.end();
    if (page) {
        std::string tail;
        render::writePageTail(tail, pageFacts(db, view, options, style, tallies));
        if (std::fwrite(tail.data(), 1, tail.size(), out.file) != tail.size()) return "a write failed";
    }
    if (!head.good() || std::count(good.begin(), good.end(), 0) > 0 || std::fflush(out.file) != 0) return "a write failed";
    return {};
}

std::string drawPdf(const Database& db, render::BlockLibrary& blocks, const std::string& path, const View& view,
                    const PictureOptions& options) {
    const Surface surface(cairo_pdf_surface_create(path.c_str(), options.width, options.height));
    if (cairo_surface_status(surface.surface) != CAIRO_STATUS_SUCCESS) return cairoError(cairo_surface_status(surface.surface));
    const Context cr(cairo_create(surface.surface));
    const render::PaintStyle style = paintStyle(options, PictureFormat::Pdf);
    paintGround(cr.cr, style.ground);
    {
        render::CairoCanvas canvas(cr.cr, view, options.width, options.height, thinLine(options), nullptr);
        render::Painter painter(db, blocks, canvas, style);
        if (options.only) painter.drawSome(*options.only);
        else painter.drawAll();
    }
    if (cairo_status(cr.cr) != CAIRO_STATUS_SUCCESS) return cairoError(cairo_status(cr.cr));
    cairo_surface_finish(surface.surface);
    return cairoError(cairo_surface_status(surface.surface));
}

// Draws into `path` (the file beside the target); why it could not, or
// nothing.
std::string draw(const Database& db, const std::string& path, PictureFormat format, const PictureOptions& options) {
    render::BlockLibrary blocks(db);
    const Area area = options.window ? windowArea(*options.window) : measure(db, blocks, options);
    const View view = render::fitView(area, options.width, options.height);
    switch (format) {
    case PictureFormat::Png:
        return drawPng(db, blocks, path, view, options);
    case PictureFormat::Svg:
        return drawSvg(db, blocks, path, view, options, false);
    case PictureFormat::Html:
        return drawSvg(db, blocks, path, view, options, true);
    case PictureFormat::Pdf:
        return drawPdf(db, blocks, path, view, options);
    }
    return "no such format";
}

}  // namespace

PictureOptions& pictureDefaults() { return sessionState<PictureOptions>(); }

std::optional<PictureFormat> pictureFormatOf(std::string_view path) {
    if (endsWithNoCase(path, ".png")) return PictureFormat::Png;
    if (endsWithNoCase(path, ".svg")) return PictureFormat::Svg;
    if (endsWithNoCase(path, ".pdf")) return PictureFormat::Pdf;
    if (endsWithNoCase(path, ".html") || endsWithNoCase(path, ".htm")) return PictureFormat::Html;
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
        error = path + ": a picture is written as .png, .svg, .pdf or .html";
        return false;
    }
    if (options.width < 1 || options.height < 1 || options.width > kLargestPicture || options.height > kLargestPicture) {
        error = path + ": a picture is 1 to " + std::to_string(kLargestPicture) + " wide and high";
        return false;
    }
    const std::string beside = path + ".part";
    std::string failure;
    try {
        failure = draw(db, beside, *format, options);
    } catch (const std::bad_alloc&) {
        failure = cairo_status_to_string(CAIRO_STATUS_NO_MEMORY);
    } catch (const std::system_error&) {
        failure = "cannot start its threads";
    }
    if (failure.empty() && std::rename(beside.c_str(), path.c_str()) == 0) return true;
    ::unlink(beside.c_str());
    error = path + ": cannot write the picture (" + (failure.empty() ? std::string("cannot rename it into place") : failure) + ")";
    return false;
}

}  // namespace zcad
