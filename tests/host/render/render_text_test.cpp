// Texts as a CAD screen shows them: MTEXT set by its inline codes and
// wrapped only at spaces, escapes decoded, characters the stroke font
// lacks drawn from a system font.
#include <algorithm>
#include <cmath>

#include "render/blocks.h"
#include "render/glyphs.h"
#include "render/painter.h"
#include "render/mtext_layout.h"
#include "render/text_codes.h"
#include "render_test_support.h"

namespace zcad::testing {
namespace {

using render::MTextFormat;
using render::mtextLines;

MTextFormat wrapped(double width, double height = 1) {
    MTextFormat f;
    f.width = width;
    f.height = height;
    return f;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += (all.empty() ? "" : " ") + line;
    return all;
}

TEST(MTextLayout, WrapsAtSpacesOnlyAndKeepsEveryWordWhole) {
    const std::string text = "42,43 CHANGED kerb and channel to suit new levels at lot 12";
    for (const double width : {3.0, 6.0, 10.0, 25.0}) {
        const auto lines = mtextLines(text, wrapped(width));
        EXPECT_EQ(joined(lines), text) << "width " << width;
        for (const std::string& line : lines) EXPECT_EQ(line.find("  "), std::string::npos) << line;
    }
    // Narrower than any word: one word a line, none cut.
    EXPECT_EQ(mtextLines("42,43 CHANGED", wrapped(0.5)), (std::vector<std::string>{"42,43", "CHANGED"}));
    // No reference width: paragraphs only.
    EXPECT_EQ(mtextLines("one two\\Pthree", wrapped(0)), (std::vector<std::string>{"one two", "three"}));
    // A no-break space holds its words together.
    EXPECT_EQ(mtextLines("12\\~m kerb", wrapped(2.5)), (std::vector<std::string>{"12\u00A0m", "kerb"}));
}

TEST(MTextLayout, LinesStayInsideTheReferenceWidthByTheFontsOwnWidths) {
    const MTextFormat format = wrapped(30, 2.5);
    const render::MTextLayout layout = render::layoutMText("lorem ipsum dolor sit amet consetetur sadipscing elitr sed diam", format);
    ASSERT_GT(layout.lines.size(), 2u);
    for (const auto& line : layout.lines) {
        EXPECT_GE(line.x0, -1e-9);
        EXPECT_LE(line.x1, 30 + 1e-9);
    }
    // Proportional: a line of i is narrower than one of m.
    const auto narrow = render::layoutMText("iiii", wrapped(0)).lines.front();
    const auto wide = render::layoutMText("mmmm", wrapped(0)).lines.front();
    EXPECT_LT(narrow.x1 - narrow.x0, 0.7 * (wide.x1 - wide.x0));
}

TEST(MTextLayout, InlineCodesSetColourHeightStackingAndLiterals) {
    const auto layout = render::layoutMText("{\\C1;A}B\\H2x;C\\c255;D {\\S1/2;} \\\\\\{%%d\\U+041F", wrapped(0));
    std::u32string shown;
    for (const auto& g : layout.glyphs) shown += g.c;
    EXPECT_EQ(shown, U"ABCD1/2\\{\u00B0\u041F");
    EXPECT_EQ(layout.glyphs[0].colour, 1);
    EXPECT_EQ(layout.glyphs[1].colour, render::kOwnColour) << "the group ended";
    EXPECT_DOUBLE_EQ(layout.glyphs[2].height, 2);
    EXPECT_EQ(layout.glyphs[3].colour, render::kTrueColour | 0xFF0000) << "low byte red";
    // Texts that are no codes are shown as written.
    EXPECT_EQ(mtextLines("C:\\work\\jobs", wrapped(0)), (std::vector<std::string>{"C:\\work\\jobs"}));
    // Underscore runs the length of what it marks.
    const auto underlined = render::layoutMText("a\\Lbc\\ld", wrapped(0));
    ASSERT_EQ(underlined.rules.size(), 1u);
    EXPECT_NEAR(underlined.rules[0].x0, underlined.glyphs[1].x, 1e-9);
    EXPECT_NEAR(underlined.rules[0].x1, underlined.glyphs[3].x, 1e-9);
}

TEST(MTextLayout, AttachmentAlignmentAndColumnsPlaceTheLines) {
    MTextFormat format = wrapped(10);
    format.attachment = 5;  // middle centre
    const auto centred = render::layoutMText("ab\\Pabcdef", format);
    for (const auto& line : centred.lines) EXPECT_NEAR(line.x0 + line.x1, 0, 1e-9) << "centred on the insertion point";
    EXPECT_NEAR(centred.lines.front().y + 1 + centred.lines.back().y, 0, 1e-9) << "middle of the two lines";

    format.attachment = 9;  // bottom right
    const auto right = render::layoutMText("ab\\Pabcdef", format);
    EXPECT_NEAR(right.lines.back().y, 0, 1e-9);
    EXPECT_NEAR(right.lines.back().x1, 0, 1e-9);

    // A paragraph's own alignment wins over the attachment's.
    EXPECT_NEAR(render::layoutMText("\\pxqr;ab", wrapped(10)).lines.front().x1, 10, 1e-9);

    // Static columns of height 5: three lines a column (their baselines 1,
    // 2 2/3 and 4 1/3 down), the next to the right.
    MTextFormat columns = wrapped(0);
    columns.columnType = 1;
    columns.columnCount = 2;
    columns.columnWidth = 8;
    columns.gutter = 2;
    columns.columnHeight = 5;
    const auto set = render::layoutMText("1\\P2\\P3\\P4\\P5", columns);
    ASSERT_EQ(set.lines.size(), 5u);
    EXPECT_NEAR(set.lines[2].x0, 0, 1e-9);
    EXPECT_NEAR(set.lines[3].x0, 10, 1e-9);
    EXPECT_NEAR(set.lines[3].y, set.lines[0].y, 1e-9);
    // \N breaks a column early.
    EXPECT_NEAR(render::layoutMText("1\\N2", columns).lines[1].x0, 10, 1e-9);
}

TEST(TextCodes, EscapesDecodeAndBadOnesStayText) {
    char32_t c = 0;
    EXPECT_EQ(render::unicodeEscape("\\U+77F3", 0, c), 7u);
    EXPECT_EQ(c, U'\u77F3');
    EXPECT_EQ(render::unicodeEscape("\\U+D83D\\U+DE00", 0, c), 14u);
    EXPECT_EQ(c, U'\U0001F600');
    EXPECT_EQ(render::unicodeEscape("\\M+18140", 0, c), 8u);
    EXPECT_EQ(c, U'\u3000') << "Shift-JIS 81 40, the ideographic space";
    for (const char* bad : {"\\U+77G3", "\\U+77", "\\M+9ABCD", "\\U77F3"}) EXPECT_EQ(render::unicodeEscape(bad, 0, c), 0u) << bad;

    std::vector<render::LineChar> chars;
    render::lineChars("%%uA%%u%%dB\\U+0416%%065", chars);
    ASSERT_EQ(chars.size(), 5u);
    EXPECT_TRUE(chars[0].under);
    EXPECT_FALSE(chars[1].under);
    EXPECT_EQ(chars[1].c, U'\u00B0');
    EXPECT_EQ(chars[3].c, U'\u0416');
    EXPECT_EQ(chars[4].c, U'A');
}

TEST(Glyphs, CharactersTheStrokeFontLacksComeFromAFontAndStayInTheirCell) {
    // Cyrillic is in every sans-serif face fontconfig offers.
    RecordingSink cyrillic;
    render::drawGlyph(U'\u0416', {{0, 0}, {10, 0}, {0, 10}}, render::Pitch::Fixed, cyrillic);
    ASSERT_GT(cyrillic.fills, 0) << "drawn as an outline, not strokes of a box";
    EXPECT_EQ(cyrillic.strokes, 0);
    EXPECT_GE(cyrillic.box.x1, -1e-9);
    EXPECT_LE(cyrillic.box.x2, 10 + 1e-9) << "inside its cell";
    EXPECT_GT(cyrillic.box.y2, 6) << "wide, so made smaller to fit";
    EXPECT_LE(cyrillic.box.y2, 10.5);
    RecordingSink set;
    render::drawGlyph(U'\u0416', {{0, 0}, {10, 0}, {0, 10}}, render::Pitch::Proportional, set);
    EXPECT_NEAR(set.box.y2, 10, 0.5) << "a capital's height";
    EXPECT_NEAR(set.box.x2, 10 * render::glyphAdvance(U'\u0416', render::Pitch::Proportional), 1.5);

    // A character no font has is a box of strokes, not nothing.
    RecordingSink missing;
    render::drawGlyph(U'\U0010FFFD', {{0, 0}, {10, 0}, {0, 10}}, render::Pitch::Fixed, missing);
    EXPECT_GT(missing.strokes, 0);
    EXPECT_EQ(missing.fills, 0);
}

using RenderTextTest = RenderTest;

// Later releases keep an MTEXT's columns after group 101, numbered apart:
// its 11 there is the insertion point again, not the text's direction.
TEST_F(RenderTextTest, MtextReadsItsOwnGroupsNotItsEmbeddedColumns) {
    ListBuilder("MTEXT").point(10, 25, 60).real(40, 2).real(41, 48).integer(71, 1).text(1, "OUTLINE OF\\PSEPARATE ENTITIES")
        .text(101, "Embedded Object").integer(70, 1).point(10, 1, 0).point(11, 25, 60).real(40, 48).integer(71, 2)
        .integer(72, 1).real(44, 48).real(45, 1).append(db());
    RecordingSink sink;
    render::BlockLibrary blocks(db());
    render::Painter(db(), blocks, sink, render::PaintStyle{}).drawAll();
    ASSERT_FALSE(sink.box.empty());
    EXPECT_GE(sink.box.y1, 60 - 2 - 5.0 / 3 * 2 - 1) << "two lines down from the insertion point, upright";
    EXPECT_LE(sink.box.y2, 60 + 1e-9);
    EXPECT_GT(sink.box.x2 - sink.box.x1, 20) << "along x";
}

TEST_F(RenderTextTest, EzdxfMtextWrapsInsideItsWidthAndUnicodeTextIsNotCodes) {
    if (!haveEzdxf()) GTEST_SKIP() << "needs /usr/bin/python3 with ezdxf";
    loadFromEzdxf("texts", R"(
doc = ezdxf.new('R2000')
msp = doc.modelspace()
msp.add_mtext('Kerb and channel CHANGED to suit 42,43 new {\\C1;levels} at lot 12',
              dxfattribs={'char_height': 3, 'insert': (10, 70), 'width': 40})
msp.add_text('\u0416\u0416', dxfattribs={'height': 5, 'insert': (10, 10)})
doc.saveas(sys.argv[1])
)");
    const Png png = draw("texts.png");
    // Ink only from x 10 to 50, over several lines.
    int left = 1 << 20;
    int right = -1;
    int rows = 0;
    for (int y = 0; y < png.height(); ++y) {
        bool any = false;
        for (int x = 0; x < png.width(); ++x) {
            if (y > px(0, 40).y || !png.inkNear(x, y, kInk, 0)) continue;
            any = true;
            left = std::min(left, x);
            right = std::max(right, x);
        }
        rows += any ? 1 : 0;
    }
    EXPECT_GE(left, px(10, 0).x - 1);
    EXPECT_LE(right, px(50, 0).x + 1) << "inside the reference width";
    EXPECT_GT(rows, 3 * 3 * 7.5) << "four lines or more, 3 units high";
    EXPECT_GT(png.count(kRed), 0u) << "the coloured word";

    // Two characters in the first two cells of the seven the host counts
    // for each escape.
    EXPECT_TRUE(anyInkAt(png, 12.5, 12.5, 3));
    EXPECT_TRUE(anyInkAt(png, 17.5, 12.5, 3));
    for (double x = 21; x < 80; x += 2) EXPECT_FALSE(anyInkAt(png, x, 12.5, 2)) << x;
}

}  // namespace
}  // namespace zcad::testing
