#include "glyphs.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "stroke_font.h"
#include "system_font.h"

namespace zcad::render {

namespace {

// Set by their own width, stroke characters keep this much free between
// them; a space is this wide.
constexpr double kGap = 0.3;
constexpr double kSpace = 0.5;
// The columns of the stroke grid, and the rows from the baseline to a capital.
constexpr double kColumn = 0.1;
constexpr double kRow = 1.0 / 6;

bool control(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

// The stroke glyph `c` is drawn with, and whether the stroke font has it.
bool strokesFor(char32_t c, StrokeGlyph& glyph) {
    if (strokeGlyph(c, glyph)) return true;
    glyph = strokeBox();
    return false;
}

void drawStrokes(std::string_view strokes, const TextFrame& frame, double left, int firstColumn, Sink& sink) {
    const auto point = [&](std::size_t k) {
        return frame.at(left + (strokes[k] - '0' - firstColumn) * kColumn, (strokes[k + 1] - '0' - 2) * kRow);
    };
    std::size_t i = 0;
    while (i < strokes.size()) {
        const std::size_t end = std::min(strokes.find(' ', i), strokes.size());
        if (end - i == 2) {
            // A dot: a stroke of a tenth of the height.
            const P2 at = point(i);
            sink.segment(at, {at.x + 0.1 * frame.up.x, at.y + 0.1 * frame.up.y});
        }
        for (std::size_t k = i; k + 3 < end; k += 2) sink.segment(point(k), point(k + 2));
        i = end + 1;
    }
}

void drawOutline(const Outline& outline, const TextFrame& frame, double left, double scale, Sink& sink) {
    thread_local std::vector<P2> points;
    points.clear();
    for (const P2& p : outline.points) points.push_back(frame.at(left + scale * p.x, scale * p.y));
    sink.area(points, outline.ends, FillRule::NonZero);
}

}  // namespace

double glyphAdvance(char32_t c, Pitch pitch) {
    if (pitch == Pitch::Fixed) return 1;
    if (control(c)) return 0;
    StrokeGlyph glyph;
    if (!strokesFor(c, glyph)) {
        if (const Outline* outline = systemGlyph(c)) return outline->advance;
    }
    int left = 0;
    int right = 0;
    return strokeColumns(glyph, left, right) ? (right - left) * kColumn + kGap : kSpace;
}

void drawGlyph(char32_t c, const TextFrame& frame, Pitch pitch, Sink& sink) {
    if (control(c)) return;
    StrokeGlyph glyph;
    if (!strokesFor(c, glyph)) {
        if (const Outline* outline = systemGlyph(c)) {
            // In a cell, a wide character is made smaller to fit.
            if (pitch == Pitch::Proportional) return drawOutline(*outline, frame, 0, 1, sink);
            const double scale = outline->advance > 1 ? 1 / outline->advance : 1;
            return drawOutline(*outline, frame, (1 - scale * outline->advance) / 2, scale, sink);
        }
    }
    // In a cell a character keeps a fifth of it free on either side.
    int left = 0;
    int right = 0;
    const bool proportional = pitch == Pitch::Proportional && strokeColumns(glyph, left, right);
    const double start = proportional ? kGap / 2 : 0.2;
    const int first = proportional ? left : 0;
    drawStrokes(glyph.strokes, frame, start, first, sink);
    drawStrokes(glyph.accent, frame, start, first, sink);
}

}  // namespace zcad::render
