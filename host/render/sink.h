// What the painter draws on, in picture units: a cairo surface, the SVG
// writer, or a measure of where things would land.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "palette.h"
#include "view.h"

namespace zcad::render {

enum class FillRule { NonZero, EvenOdd };

// The top-level entity what follows is drawn for.
struct EntityTag {
    std::string_view type;
    std::string_view layer;
    std::uint64_t handle = 0;
};

class Sink {
public:
    explicit Sink(const View& view) : view_(view) {}
    virtual ~Sink() = default;
    Sink(const Sink&) = delete;
    Sink& operator=(const Sink&) = delete;

    const View& view() const { return view_; }
    // The colour and width (picture units; 0 the thinnest line) of what follows.
    virtual void pen(const Rgb& colour, double width) = 0;
    virtual void segment(const P2& from, const P2& to) = 0;
    // Filled contours; each ends one before the next of `ends`.
    virtual void area(std::span<const P2> points, std::span<const std::uint32_t> ends, FillRule rule) = 0;
    virtual void dot(const P2& at) = 0;
    // Largest gap between a curve and the chords that draw it; 0 asks for
    // 64 chords a turn (measuring, where picture units are not yet known;
    // the margin covers what they cut off).
    virtual double flatness() const = 0;
    // True when only the place of things counts: texts as their boxes.
    virtual bool measuring() const { return false; }
    virtual void entity(const EntityTag&) {}

    // One filled contour.
    void polygon(std::span<const P2> corners) {
        const std::uint32_t end = static_cast<std::uint32_t>(corners.size());
        area(corners, std::span<const std::uint32_t>(&end, 1), FillRule::NonZero);
    }

private:
    View view_;
};

// Collects the area that what is drawn covers.
class MeasureSink : public Sink {
public:
    MeasureSink() : Sink(identityView()) {}
    void pen(const Rgb&, double) override {}
    void segment(const P2& from, const P2& to) override {
        area_.add(from);
        area_.add(to);
    }
    void area(std::span<const P2> points, std::span<const std::uint32_t>, FillRule) override {
        for (const P2& p : points) area_.add(p);
    }
    void dot(const P2& at) override { area_.add(at); }
    double flatness() const override { return 0; }
    bool measuring() const override { return true; }
    const Area& covered() const { return area_; }

private:
    Area area_;
};

}  // namespace zcad::render
