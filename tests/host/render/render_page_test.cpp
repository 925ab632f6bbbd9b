// The HTML page of a drawing: the file itself (well-formed, every text of
// the drawing kept as text, its size against the SVG's), and the page at
// work in headless Chromium, offline, driven as a user would.
#include <tinyxml2.h>

#include <set>
#include <sstream>

#include "render_test_support.h"

namespace zcad::testing {
namespace {

using RenderPageTest = RenderTest;

std::size_t occurrences(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

void collect(const tinyxml2::XMLElement* e, std::multiset<std::string>& names, std::set<std::string>& layers) {
    for (; e; e = e->NextSiblingElement()) {
        names.insert(e->Name());
        if (const char* layer = e->Attribute("data-layer")) layers.insert(layer);
        collect(e->FirstChildElement(), names, layers);
    }
}

std::string hexHandle(std::uint64_t handle) {
    std::ostringstream s;
    s << std::uppercase << std::hex << handle;
    return s.str();
}

TEST_F(RenderPageTest, PageIsWellFormedAndEveryTextOfTheDrawingStaysText) {
    addLayer("<script>alert(1)</script>", 1);
    addLayer("LOTS & PADS", 3);
    addLayer("]]>", 5);
    addLayer("NIVEAU \xE9", 6);
    addLayer("NO \\U+FFFF\x01" "CHARACTER", 7);
    const EntityId first =
        ListBuilder("LINE", "<script>alert(1)</script>").point(10, 10, 10).point(11, 40, 20).append(db());
    ListBuilder("LINE", "LOTS & PADS").point(10, 10, 30).point(11, 40, 30).append(db());
    ListBuilder("CIRCLE", "LOTS & PADS").point(10, 50, 30).real(40, 5).append(db());
    ListBuilder("LINE", "Lots & Pads").point(10, 10, 35).point(11, 40, 35).append(db());  // the same layer
    ListBuilder("TEXT", "]]>").point(10, 10, 50).real(40, 3).text(1, "</script><b>&amp;").append(db());
    ListBuilder("LINE", "NIVEAU \xE9").point(10, 60, 60).point(11, 90, 60).append(db());
    ListBuilder("LINE", "NO \\U+FFFF\x01" "CHARACTER").point(10, 60, 70).point(11, 90, 70).append(db());
    std::string error;
    PictureOptions options = standard();
    ASSERT_TRUE(writePicture(db(), file("site.html"), options, error)) << error;
    const std::string page = readFile(file("site.html"));

    tinyxml2::XMLDocument xml;
    ASSERT_EQ(xml.Parse(page.c_str(), page.size()), tinyxml2::XML_SUCCESS) << xml.ErrorStr();
    std::multiset<std::string> names;
    std::set<std::string> layers;
    collect(xml.RootElement(), names, layers);
    EXPECT_EQ(names.count("script"), 2u) << "the facts and the viewer, and nothing a drawing brought";
    EXPECT_EQ(names.count("b"), 0u);
    EXPECT_EQ(layers, (std::set<std::string>{"<script>alert(1)</script>", "LOTS & PADS", "Lots & Pads", "]]>",
                                             "NIVEAU \xC3\xA9", "NO \xEF\xBF\xBD" "CHARACTER"}));
    EXPECT_NE(page.find("[\"NO \xEF\xBF\xBD" "CHARACTER\",\"#000000\",1]"), std::string::npos) << "named as in the SVG";
    EXPECT_NE(page.find("[\"\\u003cscript\\u003ealert(1)\\u003c/script\\u003e\",\"#ff0000\",1]"), std::string::npos);
    EXPECT_NE(page.find("[\"LOTS \\u0026 PADS\",\"#00ff00\",3]"), std::string::npos) << "entities, whatever the case";
    EXPECT_NE(page.find("[\"]]\\u003e\",\"#0000ff\",1]"), std::string::npos);
    EXPECT_NE(page.find("id=\"a" + hexHandle(db().handle(first)) + "\""), std::string::npos) << "LINE is code a";
    EXPECT_EQ(occurrences(page, "http://"), 2u)
        << "only the two namespaces: nothing to fetch";
    EXPECT_NE(page.find("vector-effect:non-scaling-stroke"), std::string::npos) << "thin lines stay one pixel";

    options.lineweights = true;
    ASSERT_TRUE(writePicture(db(), file("weights.html"), options, error)) << error;
    EXPECT_EQ(readFile(file("weights.html")).find("non-scaling-stroke"), std::string::npos) << "lineweights scale";
}

// A survey's mix, spread over a site: the page (with what a click needs)
// stays within three times the SVG, and every entity is counted once
// however the drawing is split among threads.
TEST_F(RenderPageTest, PageOfManyEntitiesStaysWithinThreeTimesTheSvg) {
    addLayer("KERB", 1);
    addLayer("LOTS", 5);
    addLayer("LEVELS", 2);
    constexpr int kEntities = 40000;  // two parts, on two threads
    for (int i = 0; i < kEntities; ++i) {
        const double x = static_cast<double>(i * 7919LL % 100000) / 1000.0;
        const double y = static_cast<double>(i * 104729LL % 75000) / 1000.0;
        switch (i % 5) {
        case 0:
        case 1:
            ListBuilder("LINE", "KERB").point(10, x, y).point(11, x + 0.4, y + 0.15).append(db());
            break;
        case 2:
            ListBuilder("CIRCLE", "LOTS").point(10, x, y).real(40, 0.15).append(db());
            break;
        case 3:
            ListBuilder("TEXT", "LEVELS").point(10, x, y).real(40, 0.08).text(1, std::to_string(i % 90)).append(db());
            break;
        default:
            ListBuilder("POINT", "LOTS").point(10, x, y).append(db());
        }
    }
    std::string error;
    ASSERT_TRUE(writePicture(db(), file("site.svg"), standard(), error)) << error;
    ASSERT_TRUE(writePicture(db(), file("site.html"), standard(), error)) << error;
    const double svg = static_cast<double>(std::filesystem::file_size(file("site.svg")));
    const double html = static_cast<double>(std::filesystem::file_size(file("site.html")));
    EXPECT_LE(html, 3 * svg) << "page " << html << " bytes, SVG " << svg;
    const std::string page = readFile(file("site.html"));
    EXPECT_NE(page.find("[\"KERB\",\"#ff0000\",16000]"), std::string::npos);
    EXPECT_NE(page.find("[\"LOTS\",\"#0000ff\",16000]"), std::string::npos);
    EXPECT_NE(page.find("[\"LEVELS\",\"#ffff00\",8000]"), std::string::npos);
}

// The page in a real browser.
struct Driven {
    long loadMs = -1;
    std::vector<std::string> requests;
    std::vector<std::string> results;  // JSON
    std::string output;
};

bool haveBrowser() {
    int status = 0;
    runCommand("test -x /usr/bin/python3 && command -v chromium", status);
    return status == 0;
}

Driven drive(const std::string& page, int width, int height, const std::string& steps) {
    const std::string stepsFile = page + ".steps.json";
    {
        std::FILE* out = std::fopen(stepsFile.c_str(), "w");
        std::fputs(steps.c_str(), out);
        std::fclose(out);
    }
    Driven driven;
    int status = 0;
    const std::string driver = std::string(ZCAD_SOURCE_DIR) + "/tests/host/render/page_driver.py ";
    driven.output = runCommand("/usr/bin/python3 " + driver + page + " " + std::to_string(width) + " " +
                                   std::to_string(height) + " " + stepsFile,
                               status);
    if (status != 0) return driven;
    std::istringstream lines(driven.output);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("load ")) driven.loadMs = std::stol(line.substr(5));
        else if (line.starts_with("request ")) driven.requests.push_back(line.substr(8));
        else if (line.starts_with("result ")) driven.results.push_back(line.substr(7));
    }
    return driven;
}

// Pixels of a colour outside the panel, and where their middle is.
struct Patch {
    std::size_t pixels = 0;
    double x = 0;
    double y = 0;
};

struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool holds(int x, int y) const { return x >= left - 1 && x <= right + 1 && y >= top - 1 && y <= bottom + 1; }
};

Box boxOf(const std::string& json) {
    Box b;
    std::sscanf(json.c_str(), "[%lf, %lf, %lf, %lf]", &b.left, &b.top, &b.right, &b.bottom);
    return b;
}

bool near(const render::Rgb& a, const render::Rgb& b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

Patch patch(const Png& png, const render::Rgb& colour, const Box& panel) {
    Patch p;
    for (int y = 0; y < png.height(); ++y) {
        for (int x = 0; x < png.width(); ++x) {
            if (panel.holds(x, y) || !near(png.at(x, y), colour, 60)) continue;
            ++p.pixels;
            p.x += x + 0.5;
            p.y += y + 0.5;
        }
    }
    if (p.pixels) p.x /= static_cast<double>(p.pixels), p.y /= static_cast<double>(p.pixels);
    return p;
}

const char* kPanelBox =
    R"js({"do": "eval", "js": "(() => { const r = document.getElementById('panel').getBoundingClientRect();)js"
    R"js( return [r.left, r.top, r.right, r.bottom]; })()"})js";

const char* kViewBox = R"js({"do": "eval", "js": "document.getElementById('drawing').getAttribute('viewBox')"})js";

class RenderPageBrowserTest : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        if (!haveBrowser()) GTEST_SKIP() << "needs chromium (Debian's chromium) and /usr/bin/python3";
    }
};

// What the page shows at load is the PNG of the same drawing: the pixels
// with ink (outside the panel) are the same but for anti-aliasing, which
// differs between cairo and the browser: each inked pixel of either has ink
// in the other within a pixel, for all but 1 per cent of them, and each
// colour covers as many pixels within a quarter.
TEST_F(RenderPageBrowserTest, PageAtLoadShowsWhatThePngShows) {
    addLayer("ROADS", 1);
    addLayer("LOTS", 3);
    addLayer("PITS", 5);
    for (int k = 0; k < 8; ++k) {
        ListBuilder("LINE", "ROADS").point(10, 2 + k * 5, 5).point(11, 60 + k * 4, 70 - k * 3).append(db());
        ListBuilder("CIRCLE", "LOTS").point(10, 20 + k * 8, 30).real(40, 3 + k).append(db());
    }
    ListBuilder("TEXT", "PITS").point(10, 5, 60).real(40, 5).text(1, "PIT 12 RL 45.20").append(db());
    ListBuilder("SOLID", "PITS").point(10, 80, 10).point(11, 90, 10).point(12, 80, 20).point(13, 90, 20).append(db());
    const Png png = draw("site.png");
    std::string error;
    ASSERT_TRUE(writePicture(db(), file("site.html"), standard(), error)) << error;
    const Driven driven =
        drive(file("site.html"), 800, 600, std::string("[") + kPanelBox + R"(, {"do": "screenshot", "file": ")" +
                                               file("shot.png") + "\"}]");
    ASSERT_EQ(driven.results.size(), 2u) << driven.output;
    const Box panel = boxOf(driven.results[0]);
    const Png shot(file("shot.png"));
    ASSERT_EQ(shot.width(), 800);
    ASSERT_EQ(shot.height(), 600);

    const render::Rgb white{255, 255, 255};
    const auto inked = [&](const Png& p, int x, int y) { return !near(p.at(x, y), white, 45); };
    const auto inkWithinAPixel = [&](const Png& p, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int px = std::clamp(x + dx, 0, p.width() - 1);
                const int py = std::clamp(y + dy, 0, p.height() - 1);
                if (!near(p.at(px, py), white, 20)) return true;
            }
        }
        return false;
    };
    std::size_t inkPng = 0, inkShot = 0, missing = 0, extra = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (panel.holds(x, y)) continue;
            if (inked(png, x, y)) {
                ++inkPng;
                if (!inkWithinAPixel(shot, x, y)) ++missing;
            }
            if (inked(shot, x, y)) {
                ++inkShot;
                if (!inkWithinAPixel(png, x, y)) ++extra;
            }
        }
    }
    ASSERT_GT(inkPng, 2000u);
    EXPECT_LE(missing, inkPng / 100) << "of " << inkPng << " inked pixels of the PNG";
    EXPECT_LE(extra, inkShot / 100) << "of " << inkShot << " inked pixels of the page";
    for (const render::Rgb& colour : {kRed, kGreen, kBlue}) {
        const double ours = static_cast<double>(patch(shot, colour, panel).pixels);
        const double theirs = static_cast<double>(patch(png, colour, panel).pixels);
        EXPECT_GT(ours, theirs * 0.75) << int(colour.r) << "," << int(colour.g) << "," << int(colour.b);
        EXPECT_LT(ours, theirs * 1.25) << int(colour.r) << "," << int(colour.g) << "," << int(colour.b);
    }
}

// The page's own controls: a layer's check box hides it, + and the wheel
// zoom about the pointer and the arrows pan by what the arithmetic says,
// the pointer's coordinates are the drawing's, a click names the entity
// under it, and Home shows the whole drawing again.
TEST_F(RenderPageBrowserTest, PageControlsHideZoomPanAndPick) {
    addLayer("ROADS", 1);
    addLayer("LOTS", 3);
    addLayer("MARK", 6);
    for (int k = 0; k < 5; ++k) {
        ListBuilder("LINE", "ROADS").point(10, 5, 5 + k * 10).point(11, 95, 8 + k * 10).append(db());
    }
    ListBuilder("CIRCLE", "LOTS").point(10, 30, 40).real(40, 12).append(db());
    const EntityId mark =
        ListBuilder("SOLID", "MARK").point(10, 40, 20).point(11, 41, 20).point(12, 40, 21).point(13, 41, 21).append(
            db());
    std::string error;
    ASSERT_TRUE(writePicture(db(), file("site.html"), standard(), error)) << error;

    // The mark's middle at load, the pointer, and where two steps of 1.5
    // about the pointer put the mark; then the left arrow moves the view a
    // tenth of the window's smaller side to the left, the drawing right.
    const render::P2 start = px(40.5, 20.5);
    const render::P2 pointer{300, 400};
    const double zoom = 1.5 * 1.5;
    const render::P2 zoomed{pointer.x + (start.x - pointer.x) * zoom, pointer.y + (start.y - pointer.y) * zoom};
    const render::P2 panned{zoomed.x + 60, zoomed.y};
    const auto shot = [&](const char* name) { return R"({"do": "screenshot", "file": ")" + file(name) + "\"}"; };
    const auto at = [](const char* what, const render::P2& p) {
        return std::string(R"({"do": ")") + what + R"(", "x": )" + std::to_string(p.x) + ", \"y\": " +
               std::to_string(p.y) + "}";
    };
    const std::string steps = std::string("[") + kPanelBox + ", " + shot("load.png") + ", " +
                              R"({"do": "click", "selector": "#layers input[title='Show or hide ROADS']"}, )" +
                              shot("hidden.png") + ", " + at("move", pointer) + R"(, {"do": "key", "key": "+"}, )" +
                              R"({"do": "key", "key": "+"}, )" + shot("zoomed.png") +
                              R"(, {"do": "key", "key": "ArrowLeft"}, )" +
                              shot("panned.png") + ", " + at("move", panned) +
                              R"(, {"do": "eval", "js": "document.getElementById('where').textContent"}, )" +
                              at("clickAt", panned) +
                              R"(, {"do": "eval", "js": "document.getElementById('picked').textContent"}, )" +
                              at("clickAt", render::P2{5, 590}) +
                              R"(, {"do": "eval", "js": "document.getElementById('picked').textContent"}, )" +
                              R"({"do": "key", "key": "Home"}, )" + kViewBox + ", " +
                              R"({"do": "wheel", "x": 300, "y": 400, "dy": -500}, )" + kViewBox + "]";
    const Driven driven = drive(file("site.html"), 800, 600, steps);
    ASSERT_EQ(driven.results.size(), 20u) << driven.output;
    const Box panel = boxOf(driven.results[0]);

    const Png load(file("load.png"));
    const Png hidden(file("hidden.png"));
    EXPECT_GT(patch(load, kRed, panel).pixels, 500u);
    EXPECT_EQ(patch(hidden, kRed, panel).pixels, 0u) << "ROADS hidden";
    EXPECT_GT(patch(hidden, kGreen, panel).pixels, 200u) << "LOTS still shown";

    const Patch before = patch(load, kMagenta, panel);
    EXPECT_NEAR(before.x, start.x, 0.75);
    EXPECT_NEAR(before.y, start.y, 0.75);
    const Patch after = patch(Png(file("zoomed.png")), kMagenta, panel);
    EXPECT_NEAR(after.x, zoomed.x, 0.75);
    EXPECT_NEAR(after.y, zoomed.y, 0.75);
    EXPECT_GT(static_cast<double>(after.pixels), static_cast<double>(before.pixels) * 3) << "grown, edges aside";
    const Patch moved = patch(Png(file("panned.png")), kMagenta, panel);
    EXPECT_NEAR(moved.x, panned.x, 0.75);
    EXPECT_NEAR(moved.y, panned.y, 0.75);

    double easting = 0, northing = 0;
    ASSERT_EQ(std::sscanf(driven.results[11].c_str(), "\"E %lf  N %lf\"", &easting, &northing), 2)
        << driven.results[11];
    EXPECT_NEAR(easting, 40.5, 0.1);
    EXPECT_NEAR(northing, 20.5, 0.1);
    EXPECT_EQ(driven.results[13], "\"SOLID on layer MARK, handle " + hexHandle(db().handle(mark)) + "\"");
    EXPECT_EQ(driven.results[15], "\"Nothing there\"");
    // Zoom extents shows the whole picture again, a hundred units a pixel;
    // the wheel zooms twice as close a notch of 500 about the pointer.
    EXPECT_EQ(driven.results[17], "\"0 0 80000 60000\"");
    EXPECT_EQ(driven.results[19], "\"15000 20000 40000 30000\"");
}

// HTMLOUT through zcad itself, as a script runs it (the extension added),
// and the page opening with the network off: it asks for nothing but
// itself.
TEST_F(RenderPageBrowserTest, HtmloutWritesAPageThatOpensOffline) {
    addLayer("ROADS", 1);
    ListBuilder("LINE", "ROADS").point(10, 0, 0).point(11, 100, 75).append(db());
    std::string error;
    const std::string dxf = file("site.dxf");
    ASSERT_TRUE(writeDxf(dxf, db(), nullptr, error)) << error;
    const std::string script = file("look.scr");
    {
        std::FILE* out = std::fopen(script.c_str(), "w");
        ASSERT_NE(out, nullptr);
        std::fprintf(out, "HTMLOUT\n%s\n\n\n", file("site").c_str());
        std::fclose(out);
    }
    int status = 0;
    const std::string ran = runCommand(std::string(ZCAD_BINARY_DIR) + "/zcad --no-module --drawing " + dxf +
                                           " --script " + script + " </dev/null",
                                       status);
    ASSERT_EQ(status, 0) << ran;
    EXPECT_NE(ran.find("Picture written to " + file("site.html")), std::string::npos) << ran;
    const Driven driven = drive(file("site.html"), 640, 480,
                                R"([{"do": "eval", "js": "document.querySelector('#layers tbody').textContent"}])");
    ASSERT_EQ(driven.results.size(), 1u) << driven.output;
    EXPECT_EQ(driven.results[0], "\"ROADS1\"");
    ASSERT_EQ(driven.requests.size(), 1u) << driven.output;
    EXPECT_EQ(driven.requests[0], "file://" + file("site.html"));
    EXPECT_GE(driven.loadMs, 0);
}

}  // namespace
}  // namespace zcad::testing
