#include "text_lines.h"

#include <cmath>

#include "geom/text_metrics.h"
#include "shapes/geometry.h"
#include "stroke_font.h"

namespace zcad::render {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Glyph coordinates to the cell: a character keeps a fifth of its cell
// free on either side; y 2 is the baseline and 8 the text height.
P2 glyphPoint(const TextFrame& f, double cell, int gx, int gy) {
    const double u = cell + 0.2 + gx * 0.1;
    const double v = (gy - 2) / 6.0;
    return {f.origin.x + u * f.across.x + v * f.up.x, f.origin.y + u * f.across.y + v * f.up.y};
}

P2 cellPoint(const TextFrame& f, double u, double v) {
    return {f.origin.x + u * f.across.x + v * f.up.x, f.origin.y + u * f.across.y + v * f.up.y};
}

void drawGlyph(unsigned char c, const TextFrame& frame, double cell, Sink& sink) {
    const std::string_view strokes = glyphStrokes(c);
    std::size_t i = 0;
    while (i < strokes.size()) {
        const std::size_t end = std::min(strokes.find(' ', i), strokes.size());
        if (end - i == 2) {
            // A dot: a stroke of a tenth of the height.
            const P2 at = glyphPoint(frame, cell, strokes[i] - '0', strokes[i + 1] - '0');
            const P2 above = {at.x + 0.1 * frame.up.x, at.y + 0.1 * frame.up.y};
            sink.segment(at, above);
        }
        for (std::size_t k = i; k + 3 < end; k += 2) {
            sink.segment(glyphPoint(frame, cell, strokes[k] - '0', strokes[k + 1] - '0'),
                         glyphPoint(frame, cell, strokes[k + 2] - '0', strokes[k + 3] - '0'));
        }
        i = end + 1;
    }
}

constexpr int kSwitch = -1;

// The character a %% code stands for, and how many bytes it takes; kSwitch
// for %%o and %%u.
int percentCode(std::string_view text, std::size_t i, std::size_t& length) {
    const char code = text[i + 2];
    length = 3;
    if (i + 4 < text.size() && isDigit(code) && isDigit(text[i + 3]) && isDigit(text[i + 4])) {
        length = 5;
        const int value = (code - '0') * 100 + (text[i + 3] - '0') * 10 + (text[i + 4] - '0');
        return value & 0xFF;
    }
    switch (code) {
    case 'd':
    case 'D':
        return 0xB0;
    case 'p':
    case 'P':
        return 0xB1;
    case 'c':
    case 'C':
        return 0xD8;
    case 'o':
    case 'O':
    case 'u':
    case 'U':
        return kSwitch;
    default:
        return static_cast<unsigned char>(code);
    }
}

// Below this height in picture units letters cannot be told apart; a line
// through the middle of the text shows where it is, as CAD screens do.
constexpr double kLegibleHeight = 2.5;

}  // namespace

void drawTextLine(std::string_view text, const TextFrame& frame, Sink& sink) {
    if (std::hypot(frame.up.x, frame.up.y) < kLegibleHeight) {
        const double cells = static_cast<double>(geom::textCells(text));
        if (cells > 0) sink.segment(cellPoint(frame, 0, 0.5), cellPoint(frame, cells, 0.5));
        return;
    }
    bool over = false;
    bool under = false;
    double cell = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        int c = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (text.compare(i, 2, "%%") == 0 && i + 2 < text.size()) {
            c = percentCode(text, i, length);
            if (c == kSwitch) {
                const char code = text[i + 2];
                if (code == 'o' || code == 'O') over = !over;
                if (code == 'u' || code == 'U') under = !under;
                i += length;
                continue;
            }
        }
        drawGlyph(static_cast<unsigned char>(c), frame, cell, sink);
        if (under) sink.segment(cellPoint(frame, cell, -0.15), cellPoint(frame, cell + 1, -0.15));
        if (over) sink.segment(cellPoint(frame, cell, 1.15), cellPoint(frame, cell + 1, 1.15));
        cell += 1;
        i += length;
    }
}

std::vector<std::string> mtextLines(std::string_view content, double height, double widthLimit) {
    std::vector<std::string> lines;
    for (const std::string& p : shapes::mtextParagraphs(content)) {
        const double width = static_cast<double>(p.size()) * height;
        if (widthLimit <= 0 || width <= widthLimit || p.empty()) {
            lines.push_back(p);
            continue;
        }
        // As many lines as the host's measure gives the paragraph, filled evenly.
        const auto count = static_cast<std::size_t>(std::ceil(width / widthLimit));
        const std::size_t per = (p.size() + count - 1) / count;
        for (std::size_t at = 0; at < p.size(); at += per) lines.push_back(p.substr(at, per));
    }
    return lines;
}

}  // namespace zcad::render
