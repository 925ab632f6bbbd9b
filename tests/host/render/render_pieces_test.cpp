// The palette, the font, the file formats, refusals and the PNGOUT family.
#include <cmath>
#include <cstdio>
#include <regex>
#include <set>
#include <sstream>

#include "geom/text_metrics.h"
#include "render/blocks.h"
#include "render/painter.h"
#include "render/stroke_font.h"
#include "render/text_lines.h"
#include "render/mtext_layout.h"
#include "render_test_support.h"

namespace zcad::testing {
namespace {

using RenderPiecesTest = RenderTest;

TEST(RenderFont, EveryCharacterHasWellFormedStrokesInItsCell) {
    for (char32_t c = 0; c < 0x2400; ++c) {
        render::StrokeGlyph glyph;
        if (!render::strokeGlyph(c, glyph)) continue;
        for (const std::string_view strokes : {glyph.strokes, glyph.accent}) {
            std::size_t i = 0;
            while (i < strokes.size()) {
                const std::size_t end = std::min(strokes.find(' ', i), strokes.size());
                ASSERT_TRUE(end > i && (end - i) % 2 == 0) << "character " << static_cast<long>(c);
                for (std::size_t k = i; k < end; k += 2) {
                    EXPECT_TRUE(strokes[k] >= '0' && strokes[k] <= '6') << "character " << static_cast<long>(c);
                    EXPECT_TRUE(strokes[k + 1] >= '0' && strokes[k + 1] <= '9') << "character " << static_cast<long>(c);
                }
                i = end + 1;
            }
        }
    }
}

TEST_F(RenderPiecesTest, TurnedCentredTextStaysInsideItsHostBox) {
    // Centred on (50, 40), turned 90 degrees: the box runs up from y 40 - w/2.
    ListBuilder("TEXT").point(10, 0, 0).point(11, 50, 40).real(40, 4).text(1, "A%%dB%%u").integer(72, 1).real(50, M_PI / 2).append(db());
    RecordingSink recorder;
    render::BlockLibrary blocks(db());
    render::Painter(db(), blocks, recorder, render::PaintStyle{}).drawAll();
    ASSERT_FALSE(recorder.points.empty());
    const double width = static_cast<double>(geom::textCells("A%%dB%%u")) * 4;
    double lowY = 1e9, highY = -1e9, lowX = 1e9, highX = -1e9;
    for (const auto& p : recorder.points) {
        lowY = std::min(lowY, p.y), highY = std::max(highY, p.y);
        lowX = std::min(lowX, p.x), highX = std::max(highX, p.x);
    }
    EXPECT_GE(lowY, 40 - width / 2 - 1e-9);
    EXPECT_LE(highY, 40 + width / 2 + 1e-9);
    EXPECT_NEAR(lowX, 50 - 4, 1e-9) << "capitals reach the text height, leftwards when turned";
    EXPECT_LE(highX, 50 + 4.0 / 3 + 1e-9) << "descenders go no lower than a third of the height";
}

// A rational quadratic with the middle weight cos 45 degrees is a quarter
// circle: its mid-point lies on the circle, not on the control polygon.
TEST_F(RenderPiecesTest, SplinesFollowTheirCurveNotTheirControlPolygon) {
    ListBuilder spline("SPLINE");
    spline.integer(70, 12).integer(71, 2).integer(72, 6).integer(73, 3);
    for (const double k : {0, 0, 0, 1, 1, 1}) spline.real(40, k);
    for (const double w : {1.0, std::sqrt(0.5), 1.0}) spline.real(41, w);
    spline.point(10, 10, 0).point(10, 10, 10).point(10, 0, 10).append(db());
    RecordingSink recorder;
    render::BlockLibrary blocks(db());
    render::Painter(db(), blocks, recorder, render::PaintStyle{}).drawAll();
    ASSERT_GT(recorder.points.size(), 4u);
    for (const auto& p : recorder.points) EXPECT_NEAR(std::hypot(p.x, p.y), 10, 1e-9);
    double nearest = 1e9;
    for (const auto& p : recorder.points) nearest = std::min(nearest, std::hypot(p.x - std::sqrt(50), p.y - std::sqrt(50)));
    EXPECT_LT(nearest, 1e-9);
}

TEST(RenderText, CodesTakeTheCellsTheHostCountsAndTinyTextIsALine) {
    const std::string text = "%%000%%uAB%%d%%";
    const double cells = static_cast<double>(geom::textCells(text));
    RecordingSink big;
    std::vector<render::LineChar> chars;
    render::lineChars(text, chars);
    render::drawTextLine(chars, {{0, 0}, {10, 0}, {0, 10}}, big);
    double right = 0;
    for (const auto& p : big.points) right = std::max(right, p.x);
    EXPECT_LE(right, cells * 10);
    EXPECT_GT(right, (cells - 1) * 10) << "the last cell is drawn";

    RecordingSink tiny;
    render::drawTextLine(chars, {{0, 0}, {1, 0}, {0, 1}}, tiny);
    ASSERT_EQ(tiny.points.size(), 2u);
    EXPECT_EQ(tiny.points[1].x, cells);
}

TEST_F(RenderPiecesTest, SvgAndPdfCarryTheDrawing) {
    addLayer("ROADS", 1);
    ListBuilder("LINE", "ROADS").point(10, 10, 10).point(11, 40, 20).append(db());
    const std::string svg = file("line.svg");
    std::string error;
    ASSERT_TRUE(writePicture(db(), svg, standard(), error)) << error;
    const std::string text = readFile(svg);
    std::smatch m;
    // Coordinates in tenths of a point, the end relative to the start.
    ASSERT_TRUE(std::regex_search(text, m, std::regex(R"(<style>\.(p\d+)\{stroke:#ff0000;stroke-width:10\}</style>)"))) << text;
    const std::string style = m[1].str();
    ASSERT_TRUE(std::regex_search(text, m, std::regex(R"re(<g data-layer="ROADS">[\s\S]*<path class=")re" + style +
                                                      R"re(" d="M(-?\d+) (-?\d+)l(-?\d+) (-?\d+)"/>)re")))
        << text;
    const render::P2 a = px(10, 10);
    const render::P2 b = px(40, 20);
    EXPECT_NEAR(std::stod(m[1]) / 10, a.x, 0.051);
    EXPECT_NEAR(std::stod(m[2]) / 10, a.y, 0.051);
    EXPECT_NEAR((std::stod(m[1]) + std::stod(m[3])) / 10, b.x, 0.101);
    EXPECT_NEAR((std::stod(m[2]) + std::stod(m[4])) / 10, b.y, 0.101);

    const std::string pdf = file("line.PDF");
    ASSERT_TRUE(writePicture(db(), pdf, standard(), error)) << error;
    EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");
}

// Runs of entities on one layer share a group; with handles, each entity is
// a group of its own that says what it is; a large drawing's parts, drawn
// on threads, join into one well-formed document whose classes are all
// declared before they are used.
TEST_F(RenderPiecesTest, SvgGroupsByLayerAndCarriesHandlesWhenAsked) {
    addLayer("ROADS", 1);
    addLayer("LOTS & PADS", 3);
    const EntityId first = ListBuilder("LINE", "ROADS").point(10, 10, 10).point(11, 40, 20).append(db());
    ListBuilder("CIRCLE", "ROADS").point(10, 50, 50).real(40, 5).append(db());
    ListBuilder("LINE", "LOTS & PADS").point(10, 10, 60).point(11, 40, 60).append(db());
    const auto count = [](const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    };
    PictureOptions options = standard();
    std::string error;
    ASSERT_TRUE(writePicture(db(), file("runs.svg"), options, error)) << error;
    const std::string runs = readFile(file("runs.svg"));
    EXPECT_EQ(count(runs, "<g data-layer=\"ROADS\">"), 1u) << runs;
    EXPECT_EQ(count(runs, "<g data-layer=\"LOTS &amp; PADS\">"), 1u) << runs;
    EXPECT_EQ(count(runs, "data-handle"), 0u);

    options.svgHandles = true;
    ASSERT_TRUE(writePicture(db(), file("handles.svg"), options, error)) << error;
    const std::string handles = readFile(file("handles.svg"));
    std::ostringstream firstHandle;
    firstHandle << std::hex << db().handle(first);
    EXPECT_NE(handles.find("<g data-type=\"LINE\" data-handle=\"" + firstHandle.str() + "\">"), std::string::npos) << handles;
    EXPECT_EQ(count(handles, "data-handle"), 3u);
    EXPECT_EQ(count(handles, "<g"), count(handles, "</g>"));

    for (int i = 0; i < 50000; ++i) {
        ListBuilder("LINE", i % 2 ? "ROADS" : "LOTS & PADS").point(10, i % 97, i % 71).point(11, i % 97 + 2, i % 71).integer(62, 1 + i % 5).append(db());
    }
    ASSERT_TRUE(writePicture(db(), file("parts.svg"), standard(), error)) << error;
    const std::string parts = readFile(file("parts.svg"));
    EXPECT_EQ(parts.rfind("</svg>\n"), parts.size() - 7);
    EXPECT_EQ(count(parts, "<g"), count(parts, "</g>"));
    EXPECT_EQ(count(parts, "<path"), count(parts, "\"/>") - 1) << "every element closed (and the ground)";
    std::set<std::string> declared;
    for (std::size_t at = 0; (at = parts.find('<', at)) != std::string::npos; ++at) {
        if (parts.compare(at, 8, "<style>.") == 0) declared.insert(parts.substr(at + 8, parts.find('{', at) - at - 8));
        if (parts.compare(at, 13, "<path class=\"") == 0) {
            const std::string name = parts.substr(at + 13, parts.find('"', at + 13) - at - 13);
            ASSERT_TRUE(declared.count(name)) << name << " used before it is declared";
        }
    }
    EXPECT_GT(declared.size(), 4u) << "each part names its own";
}

TEST_F(RenderPiecesTest, RefusalsSayWhyAndLeaveNoFile) {
    std::string error;
    EXPECT_FALSE(writePicture(db(), file("picture.jpg"), standard(), error));
    EXPECT_EQ(error, file("picture.jpg") + ": a picture is written as .png, .svg, .pdf or .html");
    const std::string missing = file("no/such/dir/picture.png");
    EXPECT_FALSE(writePicture(db(), missing, standard(), error));
    EXPECT_NE(error.find(missing + ": cannot write the picture"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(missing + ".part"));
    PictureOptions huge = standard();
    huge.width = kLargestPicture + 1;
    EXPECT_FALSE(writePicture(db(), file("huge.png"), huge, error));
    EXPECT_FALSE(std::filesystem::exists(file("huge.png")));

    int w = 0, h = 0;
    EXPECT_TRUE(parsePictureSize("1920x1080", w, h));
    EXPECT_EQ(w, 1920);
    EXPECT_EQ(h, 1080);
    for (const char* bad : {"", "800", "x600", "800x", "0x10", "-5x10", "800x600x2", "16385x10", "8e2x600"}) {
        EXPECT_FALSE(parsePictureSize(bad, w, h)) << bad;
    }
}

TEST_F(RenderPiecesTest, PngoutWritesAllOrTheChosenObjectsOverAnyArea) {
    ListBuilder("LINE").point(10, 0, 0).point(11, 10, 0).integer(62, 1).append(db());
    ListBuilder("LINE").point(10, 0, 5).point(11, 10, 5).integer(62, 3).append(db());
    pictureDefaults().width = 200;
    pictureDefaults().height = 100;
    const std::string all = file("all");
    EXPECT_EQ(acedCommandS(RTSTR, "PNGOUT", RTSTR, all.c_str(), RTSTR, "", RTSTR, "", RTNONE), RTNORM);
    EXPECT_EQ(takePrinted(), "Picture written to " + all + ".png\n");
    const Png both(all + ".png");
    EXPECT_EQ(both.width(), 200);
    EXPECT_GT(both.count(kRed), 0u);
    EXPECT_GT(both.count(kGreen), 0u);

    // The last object only, over an area around it.
    const std::string last = file("last.svg");
    EXPECT_EQ(acedCommandS(RTSTR, "_svgout", RTSTR, last.c_str(), RTSTR, "L", RTSTR, "", RTSTR, "-1,4", RTSTR, "11,6", RTNONE),
              RTNORM);
    EXPECT_EQ(takePrinted(), "Picture written to " + last + "\n");
    const std::string svg = readFile(last);
    EXPECT_EQ(svg.find("#ff0000"), std::string::npos);
    EXPECT_NE(svg.find("#00ff00"), std::string::npos);

    EXPECT_EQ(acedCommandS(RTSTR, "PDFOUT", RTSTR, "", RTNONE), RTNORM);
    EXPECT_EQ(takePrinted(), "No picture written.\n");
}

}  // namespace
}  // namespace zcad::testing
