// SVG written as the painter draws: no page is kept in memory, whatever
// the drawing's size. What follows each entity is grouped by its layer
// (runs of entities on one layer share a group), pens and fills are
// classes declared where first used, and coordinates are whole tenths of
// a picture unit (or finer, for a viewer that zooms). A page that wraps the
// SVG (an HTML viewer) writes its own head and tail around begin() and
// end(). Parts of one picture may be written apart (on threads) and joined
// in order: each names its classes with a letter of its own.
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <functional>

#include "sink.h"

namespace zcad::render {

struct SvgLook {
    double width = 1600;   // points
    double height = 1200;
    Rgb ground{255, 255, 255};
    double thin = 1;       // the width of a line of width 0
    // Each top-level entity an element of its own, with its handle
    // (data-handle) and type (data-type), for a viewer to show on a click.
    bool handles = false;
    // Inside an HTML page: no XML prolog, and the page sizes the picture.
    bool inPage = false;
    // The first element each top-level entity draws names its type and
    // handle in its id (entityId()); no path runs on from one entity into
    // the next. Lighter than a group an entity.
    bool ids = false;
    // Thin lines stay one screen pixel wide however far a viewer zooms.
    bool screenHairlines = false;
    // Coordinates are whole units of this many to the point.
    double unitsPerPoint = 10;
};

// The type codes ids carry: one small letter for a known type.
std::span<const std::string_view> entityTypeCodes();

// How many top-level entities each layer drew, by the layer's name as the
// entities spell it; counting finds a known name without building a string.
class LayerTally {
public:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    using Counts = std::unordered_map<std::string, std::size_t, Hash, std::equal_to<>>;

    void add(std::string_view layer, std::size_t count);
    const Counts& counts() const { return counts_; }

private:
    Counts counts_;
};

class SvgWriter : public Sink {
public:
    SvgWriter(std::FILE* out, const View& view, const SvgLook& look, char classLetter = 'p');

    // The document's head and its tail; a part writes neither, and ends
    // with finish().
    void begin();
    void end();
    void finish();
    // False when a write failed.
    bool good() const { return good_; }
    // The entities drawn on each layer, once finished.
    const LayerTally& tally() const { return tally_; }

    void pen(const Rgb& colour, double width) override;
    void segment(const P2& from, const P2& to) override;
    void area(std::span<const P2> points, std::span<const std::uint32_t> ends, FillRule rule) override;
    void dot(const P2& at) override;
    double flatness() const override { return 0.2; }
    void entity(const EntityTag& tag) override;

private:
    enum class Open { None, Stroke };
    void closePath();
    void closeGroup();
    // The class of the pen (stroke) or of the fill in its colour,
    // declared the first time.
    const std::string& styleClass(bool fill);
    void number(double value);
    void integer(long value);
    void text(std::string_view s);
    void escaped(std::string_view hostText);
    void flush();
    void startElement(const std::string& style);
    void entityId(const EntityTag& tag, std::string& id) const;
    long units(double v) const;
    void countRun();

    std::FILE* out_;
    SvgLook look_;
    char letter_;
    std::string buffer_;
    bool good_ = true;
    Rgb colour_;
    double width_ = 0;
    Open open_ = Open::None;
    std::size_t commands_ = 0;  // in the open path
    bool atEnd_ = false;        // the open path ends at endX_, endY_ (tenths)
    long endX_ = 0;
    long endY_ = 0;
    bool inGroup_ = false;
    std::string layer_;
    std::unordered_map<std::string, std::string> classes_;  // by style
    const std::string* strokeClass_ = nullptr;             // the pen's, once known
    const std::string* fillClass_ = nullptr;
    double pad_ = 4;
    double units_ = 10;
    // The id the next element carries (ids), else empty.
    std::string pendingId_;
    std::size_t run_ = 0;  // entities in the open layer group
    LayerTally tally_;
};

}  // namespace zcad::render
