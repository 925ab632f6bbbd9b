#include "linetype.h"

#include "clip.h"

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

void Dasher::start(const LinePattern* pattern, double scale, const Area& clip) {
    pattern_ = pattern && !pattern->continuous() && pattern->period * scale >= kFinestPeriod ? pattern : nullptr;
    scale_ = scale;
    clip_ = clip;
    joined_ = false;
}

// The pattern is a position along it (0 to its period): a segment is drawn
// from where that position puts it, only over the part of it inside the
// picture, and leaves the position where its end puts it.
void Dasher::segment(const P2& from, const P2& to, Sink& sink) {
    if (!pattern_) return sink.segment(from, to);
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (!std::isfinite(length)) return;
    const double period = pattern_->period * scale_;
    if (!joined_ || from.x != end_.x || from.y != end_.y) position_ = 0;
    joined_ = true;
    end_ = to;
    const double startsAt = position_;
    position_ = std::fmod(position_ + length, period);
    P2 a = from;
    P2 b = to;
    if (length == 0 || !clipSegment(a, b, clip_.x1, clip_.y1, clip_.x2, clip_.y2)) return;
    const double t0 = std::hypot(a.x - from.x, a.y - from.y);
    const double t1 = std::hypot(b.x - from.x, b.y - from.y);
    if ((t1 - t0) / period > kMostDashes) return sink.segment(a, b);
    const auto at = [&](double t) { return P2{from.x + dx * t / length, from.y + dy * t / length}; };
    // Back to the start of the period that holds t0, then element by element.
    double t = t0 - std::fmod(startsAt + t0, period);
    for (std::size_t k = 0; t < t1; k = (k + 1) % pattern_->elements.size()) {
        const double e = pattern_->elements[k] * scale_;
        const double next = t + std::fabs(e);
        if (e > 0 && std::min(next, t1) > std::max(t, t0)) sink.segment(at(std::max(t, t0)), at(std::min(next, t1)));
        if (e == 0 && t >= t0) sink.segment(at(t), at(std::min(t1, t + kDot)));
        t = next;
    }
}

}  // namespace zcad::render
