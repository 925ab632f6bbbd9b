// The pieces shapes are made of: dash patterns walked along chains, curves
// through fit points, hatch boundaries, and the stand-ins for kinds with no
// shape of their own.
#include <cmath>
#include <cstring>

#include "render/hatch.h"
#include "render/linetype.h"
#include "render/spline.h"
#include "render/stand_ins.h"
#include "render_test_support.h"

namespace zcad::testing {
namespace {

// The lengths drawn, in order, along the x axis.
std::vector<std::pair<double, double>> dashes(const RecordingSink& sink) {
    std::vector<std::pair<double, double>> out;
    for (std::size_t i = 0; i + 1 < sink.points.size(); i += 2) out.emplace_back(sink.points[i].x, sink.points[i + 1].x);
    return out;
}

TEST(Dashes, PatternsRunOnAlongChainsAndStartAfreshElsewhere) {
    render::LinePattern pattern{{6, -4}, 10};
    render::Dasher dasher;
    RecordingSink sink;
    render::Area picture;
    picture.add({-100, -100});
    picture.add({100, 100});
    dasher.start(&pattern, 1, picture);
    // 0..13 then 13..30: the second piece carries on in the gap's middle.
    dasher.segment({0, 0}, {13, 0}, sink);
    dasher.segment({13, 0}, {30, 0}, sink);
    const auto joined = dashes(sink);
    ASSERT_EQ(joined.size(), 4u);
    EXPECT_DOUBLE_EQ(joined[1].first, 10);
    EXPECT_DOUBLE_EQ(joined[1].second, 13);
    EXPECT_DOUBLE_EQ(joined[2].first, 13) << "the same dash, on";
    EXPECT_DOUBLE_EQ(joined[2].second, 16);
    EXPECT_DOUBLE_EQ(joined[3].first, 20);

    RecordingSink fresh;
    dasher.restart();
    dasher.segment({13, 0}, {30, 0}, fresh);
    EXPECT_DOUBLE_EQ(dashes(fresh).front().second, 19) << "a whole dash from the start";

    // Finer than a few pixels, a pattern is drawn whole.
    RecordingSink fine;
    dasher.start(&pattern, 0.1, picture);
    dasher.segment({0, 0}, {30, 0}, fine);
    EXPECT_EQ(fine.strokes, 1);

    // A line from far outside the picture keeps its phase where it enters
    // and draws only what shows.
    RecordingSink far;
    dasher.start(&pattern, 1, picture);
    dasher.segment({-1e9, 0}, {1e9 + 3, 0}, far);
    std::vector<std::pair<double, double>> shown;
    for (const auto& d : dashes(far)) {
        if (d.second - d.first > 1e-3) shown.push_back(d);  // a billion units out, a sliver may round into view
    }
    ASSERT_EQ(shown.size(), 20u);
    EXPECT_NEAR(shown.front().first, -100, 1e-6);
    EXPECT_NEAR(shown.front().second, -94, 1e-6);
    EXPECT_NEAR(shown.back().second, 96, 1e-6);
}

TEST(Curves, FitPointsAreOnTheCurveAndTangentsSetItsEnds) {
    const std::vector<shapes::V3> fit{{0, 0, 0}, {10, 10, 0}, {20, 0, 0}, {35, 5, 0}};
    std::vector<shapes::V3> curve;
    ASSERT_TRUE(render::fitCurvePoints(fit, nullptr, nullptr, 8, curve));
    ASSERT_EQ(curve.size(), 1 + 3 * 8u);
    for (std::size_t k = 0; k < fit.size(); ++k) {
        EXPECT_NEAR(curve[k * 8].x, fit[k].x, 1e-9);
        EXPECT_NEAR(curve[k * 8].y, fit[k].y, 1e-9);
    }
    EXPECT_GT(curve[4].y, 5.5) << "bent, not straight between the points";

    const shapes::V3 up{0, 1, 0};
    ASSERT_TRUE(render::fitCurvePoints(fit, &up, nullptr, 8, curve));
    EXPECT_LT(std::fabs(curve[1].x), std::fabs(curve[1].y)) << "leaves upwards";

    const std::vector<shapes::V3> repeated{{0, 0, 0}, {0, 0, 0}, {5, 5, 0}};
    EXPECT_FALSE(render::fitCurvePoints(repeated, nullptr, nullptr, 8, curve));
}

TEST_F(RenderTest, HatchLoopsFollowBulgesAndLeaveIslandsToTheStyle) {
    // A square whose bottom edge bulges out by a half circle; an island
    // inside; the style that ignores islands.
    const auto hatch = [&](int style) {
        ListBuilder h("HATCH");
        h.point(10, 0, 0).text(2, "SOLID").integer(70, 1).integer(91, 2);
        h.integer(92, 3).integer(72, 1).integer(73, 1).integer(93, 4);
        h.flat(10, 0, 0).real(42, 1).flat(10, 10, 0).real(42, 0).flat(10, 10, 10).real(42, 0).flat(10, 0, 10).real(42, 0);
        h.integer(97, 0).integer(92, 2).integer(72, 0).integer(73, 1).integer(93, 3);
        h.flat(10, 4, 4).flat(10, 6, 4).flat(10, 5, 6).integer(97, 0);
        h.integer(75, style).integer(76, 1);
        return shapes::EntityRecord(db(), h.append(db()));
    };
    const render::HatchLoops both = render::hatchLoops(hatch(0), 0.01);
    ASSERT_EQ(both.ends.size(), 2u);
    double lowest = 0;
    for (std::uint32_t k = 0; k < both.ends[0]; ++k) lowest = std::min(lowest, both.points[k].y);
    EXPECT_NEAR(lowest, -5, 0.02) << "the bulge below its chord, counter-clockwise";
    EXPECT_EQ(render::hatchLoops(hatch(2), 0.01).ends.size(), 1u) << "the island left out";
}

// A proxy's graphics as its program writes them: a header, then commands.
std::string proxyHex(const std::vector<std::pair<std::int32_t, std::vector<double>>>& commands, std::int32_t points) {
    std::string bytes(8, '\0');
    for (const auto& [type, values] : commands) {
        std::string body;
        if (type == 6) body.append(reinterpret_cast<const char*>(&points), 4);
        body.append(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(double));
        const std::int32_t head[2] = {static_cast<std::int32_t>(8 + body.size()), type};
        bytes.append(reinterpret_cast<const char*>(head), 8);
        bytes += body;
    }
    const std::int32_t header[2] = {static_cast<std::int32_t>(bytes.size()), static_cast<std::int32_t>(commands.size())};
    std::memcpy(bytes.data(), header, 8);
    std::string hex;
    for (const unsigned char c : bytes) {
        hex += "0123456789ABCDEF"[c >> 4];
        hex += "0123456789ABCDEF"[c & 15];
    }
    return hex;
}

TEST_F(RenderTest, StandInsComeFromProxyGraphicsAndModellerText) {
    const std::string hex = proxyHex({{6, {0, 0, 0, 5, 5, 0}}, {2, {1, 1, 0, 2, 0, 0, 1}}}, 2);
    const auto proxy = [&](std::string_view data) {
        return shapes::EntityRecord(db(), ListBuilder("ACAD_PROXY_ENTITY").text(310, data).append(db()));
    };
    render::ProxyGraphics graphics;
    ASSERT_TRUE(render::proxyGraphics(proxy(hex), graphics));
    ASSERT_EQ(graphics.lines.size(), 2u);
    EXPECT_EQ(graphics.lines[0].size(), 2u);
    EXPECT_NEAR(graphics.lines[1].front().x, 3, 1e-9) << "the circle starts on its x axis";
    // Cut short, what came before the cut is kept; a count that cannot be
    // is refused without reading past the data.
    render::ProxyGraphics cut;
    EXPECT_TRUE(render::proxyGraphics(proxy(hex.substr(0, hex.size() - 40)), cut));
    EXPECT_EQ(cut.lines.size(), 1u);
    render::ProxyGraphics huge;
    EXPECT_FALSE(render::proxyGraphics(proxy(proxyHex({{6, {0, 0, 0}}}, 1 << 30)), huge));

    // The same modeller text plain and in its cipher.
    const std::vector<std::string> sat{"700 0 1 0", "body $-1 -1 $-1 $1 #", "point $-1 -1 $-1 1 2 3 #", "point $-1 -1 $-1 -4 5 6 #"};
    for (const bool ciphered : {false, true}) {
        ListBuilder solid("3DSOLID");
        solid.integer(70, 1);
        for (std::string line : sat) {
            if (ciphered) {
                for (char& c : line) c = c > 32 && c < 127 ? static_cast<char>(159 - c) : c;
            }
            solid.text(1, line);
        }
        shapes::V3 low;
        shapes::V3 high;
        ASSERT_TRUE(render::modellerBox(shapes::EntityRecord(db(), solid.append(db())), low, high)) << ciphered;
        EXPECT_DOUBLE_EQ(low.x, -4);
        EXPECT_DOUBLE_EQ(high.y, 5);
        EXPECT_DOUBLE_EQ(high.z, 6);
    }
}

}  // namespace
}  // namespace zcad::testing
