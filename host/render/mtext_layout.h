// An MTEXT's content set as a CAD screen sets it: inline codes followed,
// paragraphs wrapped at spaces by each character's own width inside the
// reference width, and into columns as far as their heights allow.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zcad::render {

// What the entity's groups say about its text.
struct MTextFormat {
    double height = 1;        // the initial text height
    double width = 0;         // the reference width; 0 does not wrap
    int attachment = 1;       // 1..9: top, middle, bottom rows of left, centre, right
    double lineSpacing = 1;   // a factor on 5/3 of the height
    bool exactSpacing = false;
    int columnType = 0;       // 0 none, 1 static, 2 dynamic
    int columnCount = 0;
    double columnWidth = 0;
    double gutter = 0;
    double columnHeight = 0;  // the defined height, where each column ends
    std::vector<double> columnHeights;
};

// A colour an inline code sets: kOwnColour (the entity's), an index 0 to
// 256, or kTrueColour with 0xRRGGBB.
constexpr std::int32_t kOwnColour = -1;
constexpr std::int32_t kTrueColour = 0x1000000;

// One character placed: the pen on its baseline, in drawing units from the
// attachment point along the text's axes (y up).
struct MTextGlyph {
    char32_t c = 0;
    double x = 0;
    double y = 0;
    double height = 1;
    double widthFactor = 1;
    double oblique = 0;  // radians
    std::int32_t colour = kOwnColour;
};

// An underscore, overscore or strike-through, or a whole line of text
// (`height` set) for when the text is too small to read.
struct MTextRule {
    double x0 = 0;
    double x1 = 0;
    double y = 0;
    double height = 0;
    std::int32_t colour = kOwnColour;
};

struct MTextLayout {
    std::vector<MTextGlyph> glyphs;
    std::vector<MTextRule> rules;
    std::vector<MTextRule> lines;
};

MTextLayout layoutMText(std::string_view content, const MTextFormat& format);

// The lines the layout makes, each as UTF-8 without the spaces it was
// broken at.
std::vector<std::string> mtextLines(std::string_view content, const MTextFormat& format);

}  // namespace zcad::render
