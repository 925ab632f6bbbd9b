// SVG written as the painter draws: no page is kept in memory, whatever
// the drawing's size. What follows each entity is grouped by its layer
// (runs of entities on one layer share a group), pens and fills are
// classes declared where first used, and coordinates are whole tenths of
// a picture unit. A page that wraps the SVG (an HTML viewer) writes its own
// head and tail around begin() and end(). Parts of one picture may be
// written apart (on threads) and joined in order: each names its classes
// with a letter of its own.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>

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
};

}  // namespace zcad::render
