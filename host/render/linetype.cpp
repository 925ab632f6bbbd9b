#include "linetype.h"

#include <cmath>

namespace zcad::render {

namespace {

// Patterns whose period is shorter than this many picture units would show
// as a blur of dots: CAD screens draw them solid, and so do we.
constexpr double kFinestPeriod = 3;
// A segment that would take more dashes than this is drawn solid too.
constexpr double kMostDashes = 100000;
// A dot is drawn this long.
constexpr double kDot = 0.5;

}  // namespace

LinePattern linePattern(const TableRecord& record) {
    LinePattern pattern;
    double period = 0;
    for (const OwnedGroup& g : record.groups) {
        if (g.code != 49 || !std::isfinite(g.real())) continue;
        pattern.elements.push_back(g.real());
        period += std::fabs(g.real());
    }
    // A pattern needs a gap to be a pattern, and room to walk along.
    bool gap = false;
    for (const double e : pattern.elements) gap = gap || e < 0;
    if (gap && period > 0 && std::isfinite(period)) pattern.period = period;
    return pattern;
}

void Dasher::start(const LinePattern* pattern, double scale) {
    pattern_ = pattern && !pattern->continuous() && pattern->period * scale >= kFinestPeriod ? pattern : nullptr;
    scale_ = scale;
    joined_ = false;
}

void Dasher::segment(const P2& from, const P2& to, Sink& sink) {
    if (!pattern_) return sink.segment(from, to);
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (!std::isfinite(length) || length / (pattern_->period * scale_) > kMostDashes) return sink.segment(from, to);
    if (!joined_ || from.x != end_.x || from.y != end_.y) {
        element_ = 0;
        left_ = std::fabs(pattern_->elements[0]) * scale_;
    }
    const auto at = [&](double t) { return P2{from.x + dx * t / length, from.y + dy * t / length}; };
    double t = 0;
    while (t < length) {
        const double e = pattern_->elements[element_];
        const double step = std::min(left_, length - t);
        if (e > 0 && step > 0) sink.segment(at(t), at(t + step));
        if (e == 0 && left_ <= 0) sink.segment(at(t), at(std::min(length, t + kDot)));
        t += step;
        left_ -= step;
        if (left_ <= 0) {
            element_ = (element_ + 1) % pattern_->elements.size();
            left_ = std::fabs(pattern_->elements[element_]) * scale_;
        }
    }
    joined_ = true;
    end_ = to;
}

}  // namespace zcad::render
