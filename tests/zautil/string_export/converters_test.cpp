// What the end-to-end oracle does not reach: arcs left out by the rule,
// faces missing a corner, chords, open triangles, and every converter's
// refusal of an entity that lacks what it needs.
#include <cmath>
#include <numbers>

#include "string_export_fixture.h"
#include "zcad/group_list.h"

namespace {

using zastrings::StringRecord;
using testing::ElementsAre;

constexpr double kPi = std::numbers::pi;

struct Refusal {
    std::function<void(zcad::GroupWriter&)> groups;
    const char* message;
};

// An entity on layer L (unless told not) with the points, reals and whole
// numbers given.
std::function<void(zcad::GroupWriter&)> entity(const char* type, std::vector<int> points, std::vector<int> reals = {},
                                               std::vector<std::pair<int, int>> wholes = {}, bool layer = true) {
    return [=](zcad::GroupWriter& w) {
        w.string(0, type);
        if (layer) w.string(8, "L");
        for (const int code : points) w.point(code, 1, 2, 3);
        for (const int code : reals) w.real(code, 1);
        for (const auto& [code, value] : wholes) w.integral(code, value);
    };
}

class Converters : public StringExportTest {
protected:
    std::vector<std::string> exported() { return shown(readUR(exportAll(true, freshName("ur1")))); }

    // An entity stored as given, whatever the host would ask of it.
    void store(const std::function<void(zcad::GroupWriter&)>& groups) {
        std::vector<std::uint8_t> bytes;
        zcad::GroupWriter writer(bytes);
        groups(writer);
        db().append(bytes);
    }
    void lwpolyline(const char* layer, int flags, const std::vector<std::array<double, 3>>& xyBulge,
                    double elevation = 0, const double* extrusion = nullptr) {
        store([&](zcad::GroupWriter& w) {
            w.string(0, "LWPOLYLINE");
            w.string(8, layer);
            w.integral(90, static_cast<int>(xyBulge.size()));
            w.integral(70, flags);
            w.real(38, elevation);
            // As the writers of files do: a zero bulge is left out.
            for (const auto& v : xyBulge) {
                w.point(10, v[0], v[1], 0, true);
                if (v[2] != 0) w.real(42, v[2]);
            }
            if (extrusion) w.point(210, extrusion[0], extrusion[1], extrusion[2]);
        });
    }
};

TEST_F(Converters, WithBreakupNoneArcsAndCirclesAreLeftOutAndSaidToBe) {
    zaSettings().xyzBreakup = 0;
    const ads_point c = {0, 0, 0}, a = {1, 1, 1}, b = {2, 2, 2};
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "CIRCLE", 8, "MH", 10, c, 40, 1.0, 0)), RTNORM);
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "ARC", 8, "MH", 10, c, 40, 1.0, 50, 0.0, 51, 1.0, 0)), RTNORM);
    ASSERT_EQ(make3DLine(a, b, "ROAD"), RTNORM);
    lwpolyline("FENCE", 0, {{0, 0, 1}, {2, 0, 0}});
    EXPECT_THAT(exported(), ElementsAre("1 0 1.0000,1.0000,1.0000 ROAD          LSYSYS",
                                        "1 1 2.0000,2.0000,2.0000 ROAD          LEYSYS",
                                        "2 2 0.0000,0.0000,0.0000 FENCE         pcYSYS",
                                        "2 3 2.0000,0.0000,0.0000 FENCE         pcYSYS"));
    EXPECT_TRUE(printed("2 arcs and circles left out, as asked.\n"));
    EXPECT_TRUE(printed("Lines 1, Polylines 1, Points 0, Arcs 0, Circles 0, 3D Faces 0 \n"));
}

// Reading polylines and their defaults is the drawing reader's, tested
// there; a face is this converter's own.
TEST_F(Converters, AFaceWithoutItsFourthCornerRepeatsItsThird) {
    store(entity("3DFACE", {10, 11, 12}));
    EXPECT_THAT(exported(), ElementsAre("1 0 1.0000,2.0000,3.0000 L             fcYSYS",
                                        "1 1 1.0000,2.0000,3.0000 L             fcYSYS",
                                        "1 2 1.0000,2.0000,3.0000 L             fcYSYS",
                                        "1 3 1.0000,2.0000,3.0000 L             fcYSYS"));
}

TEST_F(Converters, AClockwiseChordArcWithoutRoundingKeepsTheVertexItEndsOn) {
    zaSettings().xyzBreakup = 2;
    zaSettings().xyzValue = 8;
    zaSettings().xyzRounding = false;
    // A clockwise quarter of radius 10 from (10,0) to (0,-10), then a straight.
    lwpolyline("EDGE", 0, {{10, 0, -std::tan(kPi / 8)}, {0, -10, 0}, {0, -20, 0}});
    const auto records = exported();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[2], "1 2 0.0000,-10.0000,0.0000 EDGE          lwYSYS");
    EXPECT_EQ(records[3], "1 3 0.0000,-20.0000,0.0000 EDGE          pcYSYS");
}

// Faces and references the end-to-end oracle does not make.
TEST_F(Converters, OpenTrianglesAndReferencesToNoUsableType) {
    zaSettings().xyzFaceCloseTriangles = false;
    const ads_point a = {0, 0, -200}, b = {1, 0, 1}, c = {1, 1, 1}, at = {3, 4, 5};
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "3DFACE", 8, "TIN", 10, a, 11, b, 12, c, 13, c, 0)), RTNORM);
    // A reference whose name is no type that works on it: said, and passed.
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "INSERT", 8, "SYM", 2, "LINE", 10, at, 0)), RTNORM);
    ASSERT_EQ(makeEntity(acutBuildList(RTDXF0, "INSERT", 8, "SYM", 2, "INSERT", 10, at, 0)), RTNORM);
    // Levels of faces are not clamped.
    EXPECT_THAT(exported(), ElementsAre("1 0 0.0000,0.0000,-200.0000 TIN           fcYSYS",
                                        "1 1 1.0000,0.0000,1.0000 TIN           fcYSYS",
                                        "1 2 1.0000,1.0000,1.0000 TIN           fcYSYS",
                                        "1 3 1.0000,1.0000,1.0000 TIN           fcYSYS"));
    EXPECT_TRUE(printed("ZARVO Software message <Cannot get p2 coord>"));
}

TEST_F(Converters, AnEntityLackingWhatItsConverterNeedsStopsTheExport) {
    const Refusal refusals[] = {
        {entity("LINE", {11}), "Cannot get p1 coord"},
        {entity("LINE", {10}), "Cannot get p2 coord"},
        {entity("POINT", {}), "Cannot get coord/r/nLeaving DoPOINT(..) with FALSE - Cannot get coord/r/n"},
        {entity("TEXT", {}), "Cannot get coord/r/nLeaving DoTEXT(..) with FALSE - Cannot get coord/r/n"},
        {entity("ARC", {}, {40, 50, 51}), "Cannot get arc centre point"},
        {entity("ARC", {10}, {40, 51}), "Cannot get arc start angle"},
        {entity("ARC", {10}, {40, 50}), "Cannot get arc end angle"},
        {entity("CIRCLE", {10}), "Cannot get arc radius\nLeaving DoCIRCLE(..) with FALSE - Cannot get arc radius"},
        {entity("POLYLINE", {}, {}, {{70, 0}}, false),
         "Selection error ... Cannot get entity layer\nZarvo_AutoCAD user error"},
        {entity("LWPOLYLINE", {10}, {}, {{70, 0}}),
         "Too many vertices in light weight polyline\nZarvo_AutoCAD arbitary size restriction\n"},
        {entity("LWPOLYLINE", {10}, {}, {{90, 2}, {70, 0}}),
         "Vertex for light polyline does not exist\nZarvo_AutoCAD vertex error in polyline\n"},
        {entity("POLYLINE", {}, {}, {{70, 16}}),
         "Selection error ... Entity is a polygon mesh\nZarvo_AutoCAD unsupported element\n"},
        {entity("POLYLINE", {}, {}, {{70, 64}}),
         "Selection error ... Entity is a polyface mesh\nZarvo_AutoCAD unsupported element\n"},
        {entity("LWPOLYLINE", {}, {}, {{90, 0}, {70, 4}}),
         "Spline vertices are not supported\nZarvo_AutoCAD unsupported element\n"},
        // The vertex that follows has no point.
        {entity("POLYLINE", {}, {}, {{70, 0}}),
         "No point in vertex\nZarvo_AutoCAD user error\nLeaving DoPOLYLINE(..) with FALSE\n"},
        {entity("INSERT", {10}), "Selection error cannot get entity type\nZarvo_AutoCAD user error"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.message);
        zcad::test::resetHost();
        output_.clear();
        ASSERT_EQ(makePoint(0, 0, 0, "BEFORE"), RTNORM);
        store(refusal.groups);
        if (std::string(refusal.message).starts_with("No point")) store(entity("VERTEX", {}));
        ASSERT_EQ(makePoint(9, 9, 9, "AFTER"), RTNORM);
        const std::string path = exportAll(true, freshName("ur1"));
        EXPECT_TRUE(printed(std::string("ZARVO Software message <") + refusal.message + ">"));
        EXPECT_TRUE(printed("\nExport stopped after 1 of 3 entities: \"" + path + "\" has not been written.\n"));
        EXPECT_FALSE(printed("Records complete"));
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    // A face without its third corner says so on the command line.
    zcad::test::resetHost();
    store(entity("3DFACE", {10, 11, 13}));
    exportAll(true, freshName("ur1"));
    EXPECT_TRUE(printed("\rERROR: could not retrieve information for 3DFace - point 3\n"));
}

}  // namespace
