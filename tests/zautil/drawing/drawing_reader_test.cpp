// The one reader of the drawing: groups a writer leaves out, both kinds of
// polyline with their faults in the order met, points and bulges seen from
// below or in a turned user system, the selection, and each command's
// words for a fault.
#include <gmock/gmock.h>

#include <functional>

#include "drawing/groups.h"
#include "drawing/line.h"
#include "drawing/polyline.h"
#include "drawing/selection.h"
#include "host_fixture.h"
#include "polyline_drawing.h"
#include "zcad/group_list.h"

namespace {

using testing::ElementsAre;
using zadrawing::DrawingFault;
using zadrawing::Polyline;
using zadrawing::PolylineRules;
using Groups = std::function<void(zcad::GroupWriter&)>;

class DrawingReader : public HostTest {
protected:
    // An entity stored as given, whatever the host would ask of it.
    void store(const Groups& groups) {
        std::vector<std::uint8_t> bytes;
        zcad::GroupWriter writer(bytes);
        groups(writer);
        db().append(bytes);
    }
    // The last entity stored, read as a polyline; its first entity when
    // the polyline is old-style.
    DrawingFault read(Polyline& polyline, const PolylineRules& rules = {}, bool oldStyle = false) {
        ads_name entity;
        if (oldStyle) {
            acdbEntNext(nullptr, entity);
        } else {
            acdbEntLast(entity);
        }
        const zadrawing::EntityList list = zadrawing::readEntity(entity);
        return polyline.read(entity, list.get(), rules);
    }
    static std::vector<std::vector<double>> shape(const Polyline& polyline) {
        std::vector<std::vector<double>> out;
        for (const auto& v : polyline.vertices())
            out.push_back({v.at[0], v.at[1], v.at[2], v.bulge, v.startWidth, v.endWidth});
        return out;
    }
};

TEST_F(DrawingReader, GroupsLeftOutAreTheirDefaultsAndALineNeedsAllItsOwn) {
    store([](zcad::GroupWriter& w) { w.string(0, "LINE"); w.point(10, 1, 2, 3); });
    ads_name entity;
    acdbEntLast(entity);
    const zadrawing::EntityList list = zadrawing::readEntity(entity);
    EXPECT_EQ(zadrawing::flagsOf(list.get()), 0);
    EXPECT_EQ(zadrawing::elevationOf(list.get()), 0);
    EXPECT_EQ(zadrawing::extrusionOf(list.get()), (ZaPoint{0, 0, 1}));
    EXPECT_FALSE(zadrawing::groupText(list.get(), 10)) << "a point is no text";
    zadrawing::Line line;
    EXPECT_EQ(zadrawing::readLine(list.get(), line), DrawingFault::NoLayer);
    for (const auto& [code, fault] : {std::pair{11, DrawingFault::NoStart}, std::pair{10, DrawingFault::NoEnd}}) {
        store([code = code](zcad::GroupWriter& w) { w.string(0, "LINE"); w.string(8, "L"); w.point(code, 1, 2, 3); });
        acdbEntLast(entity);
        EXPECT_EQ(zadrawing::readLine(zadrawing::readEntity(entity).get(), line), fault);
    }
}

TEST_F(DrawingReader, LightweightVerticesOwnTheGroupsAfterThemUpToTheirCount) {
    const auto lightweight = [this](int count) {
        store([count](zcad::GroupWriter& w) {
            w.string(0, "LWPOLYLINE");
            w.integral(90, count);
            w.real(38, 7);
            w.real(43, 0.5);
            // As writers do: a zero bulge is left out, so bulges cannot be counted apart.
            w.point(10, 0, 0, 0, true);
            w.point(10, 10, 0, 0, true);
            w.real(40, 1);
            w.real(41, 2);
            w.real(42, -0.5);
            w.point(10, 20, 0, 0, true);
            w.real(42, 0.9);  // after the counted vertices: no part of it
        });
    };
    Polyline polyline;
    lightweight(2);
    ASSERT_EQ(read(polyline), DrawingFault::None);
    EXPECT_THAT(shape(polyline), ElementsAre(ElementsAre(0, 0, 7, 0, 0.5, 0.5), ElementsAre(10, 0, 7, -0.5, 1, 2)));
    lightweight(4);
    EXPECT_EQ(read(polyline), DrawingFault::VertexMissing);
    EXPECT_EQ(polyline.vertices().size(), 3u) << "those it has remain";
    EXPECT_EQ(read(polyline, {.mostVertices = 3}), DrawingFault::TooManyVertices);
    store([](zcad::GroupWriter& w) { w.string(0, "LWPOLYLINE"); w.point(10, 0, 0, 0, true); });
    EXPECT_EQ(read(polyline), DrawingFault::NoVertexCount);
}

TEST_F(DrawingReader, OldStyleVerticesRunToTheirSeqendAndStopAtOneUnreadable) {
    const auto vertex = [this](std::vector<int> codes) {
        store([codes](zcad::GroupWriter& w) {
            for (const int code : codes) {
                if (code == 0) w.string(0, "VERTEX");
                if (code == 10) w.point(10, 5, 6, 7);
                if (code == 40) w.real(40, 3);
                if (code == 42) w.real(42, 0.25);
            }
        });
    };
    store([](zcad::GroupWriter& w) {
        w.string(0, "POLYLINE");
        w.real(40, 1);
        w.real(41, 2);
    });
    vertex({0, 10, 42});
    vertex({0, 10, 40});
    store([](zcad::GroupWriter& w) { w.string(0, "SEQEND"); });
    vertex({0, 10});  // another polyline's, after the end
    Polyline polyline;
    ASSERT_EQ(read(polyline, {}, true), DrawingFault::None);
    EXPECT_THAT(shape(polyline), ElementsAre(ElementsAre(5, 6, 7, 0.25, 1, 2), ElementsAre(5, 6, 7, 0, 3, 2)));
    ASSERT_EQ(read(polyline, {.mostVertices = 1}, true), DrawingFault::None);
    EXPECT_EQ(polyline.vertices().size(), 1u);

    zcad::test::resetHost();
    store([](zcad::GroupWriter& w) { w.string(0, "POLYLINE"); });
    vertex({0, 10});
    vertex({0, 42});
    EXPECT_EQ(read(polyline, {}, true), DrawingFault::NoVertexPoint);
    EXPECT_EQ(polyline.vertices().size(), 1u) << "the vertices before it remain";
    zcad::test::resetHost();
    store([](zcad::GroupWriter& w) { w.string(0, "POLYLINE"); });
    vertex({10});
    EXPECT_EQ(read(polyline, {}, true), DrawingFault::NoVertexType);
}

TEST_F(DrawingReader, ShapesAreRefusedInTheOrderOfTheTestsAndOnlyWhenTheRulesSay) {
    Polyline polyline;
    const auto refusal = [&](int flags, const PolylineRules& rules) {
        zcad::test::resetHost();
        store([flags](zcad::GroupWriter& w) {
            w.string(0, "POLYLINE");
            w.integral(70, flags);
        });
        store([](zcad::GroupWriter& w) {
            w.string(0, "VERTEX");
            w.point(10, 1, 2, 0);
        });
        return read(polyline, rules, true);
    };
    const PolylineRules halout{.refuseClosed = true};
    EXPECT_EQ(refusal(16 | 1 | 4, halout), DrawingFault::PolygonMesh);
    EXPECT_EQ(refusal(64 | 1 | 4, halout), DrawingFault::PolyfaceMesh);
    EXPECT_EQ(refusal(1 | 4, halout), DrawingFault::Closed);
    EXPECT_EQ(refusal(1 | 4, {}), DrawingFault::SplineFit);
    EXPECT_EQ(refusal(16 | 64 | 4, {.refuseMeshes = false, .refuseSplineFit = false}), DrawingFault::None);
    EXPECT_EQ(polyline.vertices().size(), 1u);
    ASSERT_EQ(makeLine(0, 0, 1, 1), RTNORM);
    EXPECT_EQ(read(polyline), DrawingFault::NotPolyline);
}

TEST_F(DrawingReader, SeenFromBelowOrFromAFlippedUserSystemArcsTurnTheOtherWay) {
    ads_name entity;
    const ads_point down = {0, 0, -1};
    makeLwPolyline({{0, 0, 0, 0}, {20, 0, 0, 0.5}, {30, 10, 0, 0}}, entity, 0, down);
    Polyline polyline;
    ASSERT_EQ(read(polyline), DrawingFault::None);
    const auto world = polyline.system(zadrawing::TargetSystem::World);
    EXPECT_EQ(world(polyline.vertices()[1].at), (ZaPoint{-20, 0, -0.0}));
    EXPECT_EQ(world.bulge(0.5), -0.5);
    // A 3D polyline's points are in the world whatever its extrusion says.
    zcad::test::resetHost();
    store([](zcad::GroupWriter& w) {
        w.string(0, "POLYLINE");
        w.integral(70, 8);
        w.point(210, 0, 0, -1);
    });
    ASSERT_EQ(read(polyline, {}, true), DrawingFault::None);
    EXPECT_EQ(polyline.system(zadrawing::TargetSystem::World)(ZaPoint{20, 0, 5}), (ZaPoint{20, 0, 5}));

    // The user system: origin (100, 50), x along the world's y.
    db().setHeaderVar("$UCSORG", {zcad::OwnedGroup::point(10, 100, 50, 0)});
    db().setHeaderVar("$UCSXDIR", {zcad::OwnedGroup::point(10, 0, 1, 0)});
    db().setHeaderVar("$UCSYDIR", {zcad::OwnedGroup::point(10, -1, 0, 0)});
    zadrawing::ObjectSystem user(zadrawing::TargetSystem::User);
    const ZaPoint moved = user({20, 0, 0});
    EXPECT_NEAR(moved[0], -50, 1e-9);
    EXPECT_NEAR(moved[1], 80, 1e-9);
    EXPECT_EQ(user.bulge(0.5), 0.5);
    db().setHeaderVar("$UCSYDIR", {zcad::OwnedGroup::point(10, 1, 0, 0)});  // z now points down
    user.fromWorld();
    EXPECT_EQ(user.bulge(0.5), -0.5);
}

TEST_F(DrawingReader, TheSelectionTakesItsTypeOnlyAndSaysHowTheUserAnswered) {
    const ads_point p1 = {1, 2, 3}, p2 = {4, 5, 6};
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "POINT", 8, "P", 10, p1, 0)), RTNORM);
    ASSERT_EQ(makeLine(0, 0, 1, 1), RTNORM);
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "POINT", 8, "P", 10, p2, 0)), RTNORM);
    zadrawing::Selection points("POINT");
    answer({"ALL", ""});
    ASSERT_EQ(points.choose(), DrawingFault::None);
    EXPECT_EQ(points.size(), 2);
    std::vector<double> xs;
    EXPECT_EQ(zadrawing::forEachEntity(points, [&](const ads_name, const resbuf* list) {
                  xs.push_back((*zadrawing::groupPoint(list, 10))[0]);
                  return xs.size() < 1;
              }),
              DrawingFault::Stopped);
    EXPECT_THAT(xs, ElementsAre(1));
    answer({"*Cancel*"});
    EXPECT_EQ(points.choose(), DrawingFault::Cancelled);
    EXPECT_EQ(points.size(), 0) << "the set before is let go";
    answer({""});
    EXPECT_EQ(points.choose(), DrawingFault::NothingSelected);
}

TEST(DrawingFaultTexts, EachFaultFindsItsOwnWordsAndAnswersTheirFaults) {
    const zadrawing::DrawingTexts texts{"nothing", "rejected", "keyword", "unrecognized", "length", "name", "list",
                                        "type", "layer", "start", "end", "polyline", "polygon", "polyface", "closed",
                                        "spline", "count", "many", "missing", "vertex list", "vertex type",
                                        "vertex point"};
    std::vector<std::string> said;
    for (int f = static_cast<int>(DrawingFault::Cancelled); f <= static_cast<int>(DrawingFault::NoVertexPoint); ++f) {
        const char* text = zadrawing::faultText(static_cast<DrawingFault>(f), texts);
        said.push_back(text ? text : "-");
    }
    EXPECT_THAT(said, ElementsAre("-", "nothing", "rejected", "keyword", "unrecognized", "length", "name", "list",
                                  "type", "layer", "start", "end", "-", "polyline", "polygon", "polyface", "closed",
                                  "spline", "count", "many", "missing", "vertex list", "vertex type", "vertex point"));
    EXPECT_EQ(zadrawing::answerFault(RTNORM), DrawingFault::None);
    EXPECT_EQ(zadrawing::answerFault(RTERROR), DrawingFault::NothingSelected);
    EXPECT_EQ(zadrawing::answerFault(-1), DrawingFault::Unrecognized);
}

}  // namespace
