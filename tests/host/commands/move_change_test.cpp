#include <algorithm>

#include "arx/acedads.h"
#include "host_fixture.h"
#include "zcad/selection.h"

namespace zcad::testing {
namespace {

using MoveChangeTest = HostTest;

void expectPoint(const Group& g, double x, double y, double z) {
    EXPECT_DOUBLE_EQ(g.xyz[0], x);
    EXPECT_DOUBLE_EQ(g.xyz[1], y);
    EXPECT_DOUBLE_EQ(g.xyz[2], z);
}

TEST_F(MoveChangeTest, MoveTakesRelativeSecondPointsDisplacementsAndTheLastEntity) {
    const EntityId first = ListBuilder("POINT").point(10, 1, 1, 0).append(db());
    const EntityId last = ListBuilder("POINT").point(10, 2, 2, 0).append(db());

    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "L", RTSTR, "", RTSTR, " 10 , 10 ", RTSTR, "@1,2", RTNONE), RTNORM);
    expectPoint(groupWithCode(db(), last, 10), 3, 4, 0);
    expectPoint(groupWithCode(db(), first, 10), 1, 1, 0);

    const double by[3] = {0, 0, -1};
    EXPECT_EQ(acedCommandS(RTSTR, "_.MOVE", RTSTR, "all", RTSTR, "", RTSTR, "d", RT3DPOINT, by, RTNONE), RTNORM);
    expectPoint(groupWithCode(db(), first, 10), 1, 1, -1);
    expectPoint(groupWithCode(db(), last, 10), 3, 4, -1);
    EXPECT_EQ(previousSelection(), (std::vector<EntityId>{first, last}));
}

TEST_F(MoveChangeTest, ObjectsChosenAgainMoveOnceInTheOrderFirstChosen) {
    const EntityId a = ListBuilder("POINT").point(10, 0, 0, 0).append(db());
    const EntityId b = ListBuilder("POINT").point(10, 5, 0, 0).append(db());
    const EntityId c = ListBuilder("POINT").point(10, 9, 0, 0).append(db());
    const double by[3] = {0, 0, 1};
    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "L", RTSTR, "all", RTSTR, "5,0", RTSTR, "L", RTSTR, "", RTSTR, "d",
                           RT3DPOINT, by, RTNONE),
              RTNORM);
    EXPECT_EQ(previousSelection(), (std::vector<EntityId>{c, a, b}));
    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "P", RTSTR, "P", RTSTR, "", RTSTR, "d", RT3DPOINT, by, RTNONE),
              RTNORM);
    for (const EntityId id : {a, b, c}) EXPECT_DOUBLE_EQ(groupWithCode(db(), id, 10).xyz[2], 2);
}

TEST_F(MoveChangeTest, WordsMayFollowInLaterCalls) {
    const EntityId point = ListBuilder("POINT").point(10, 0, 0, 0).append(db());
    ads_name name;
    ASSERT_EQ(acdbEntLast(name), RTNORM);
    EXPECT_EQ(acedCommandS(RTSTR, "move", RTENAME, name, RTNONE), RTNORM);
    EXPECT_EQ(acedCommandS(RTSTR, "", RTSTR, "1,1", RTNONE), RTNORM);
    EXPECT_TRUE(commands::commandProcessor().busy());
    EXPECT_EQ(acedCommandS(RTSTR, "2,3", RTNONE), RTNORM);
    EXPECT_FALSE(commands::commandProcessor().busy());
    expectPoint(groupWithCode(db(), point, 10), 1, 2, 0);
}

TEST_F(MoveChangeTest, AnEmptySelectionEndsTheCommandWithAnError) {
    const EntityId point = ListBuilder("POINT").point(10, 0, 0, 0).append(db());
    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "p", RTSTR, "", RTSTR, "0,0", RTSTR, "1,1", RTNONE), RTERROR);
    EXPECT_EQ(takePrinted(), "Nothing selected.\n");
    EXPECT_FALSE(commands::commandProcessor().busy());
    expectPoint(groupWithCode(db(), point, 10), 0, 0, 0);
}

TEST_F(MoveChangeTest, ABadPointRejectsAndMovesNothing) {
    const EntityId point = ListBuilder("POINT").point(10, 0, 0, 0).append(db());
    setPreviousSelection({point});
    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "p", RTSTR, "", RTSTR, "0,0", RTSTR, "1;1", RTNONE), RTREJ);
    EXPECT_EQ(takePrinted(), "Invalid point.\n");
    expectPoint(groupWithCode(db(), point, 10), 0, 0, 0);
}

// ALL takes each head once (not its vertices or attributes) and leaves
// paper space; Previous takes only what may still be selected.
TEST_F(MoveChangeTest, SelectionsTakeHeadsInModelSpaceOnly) {
    const EntityId line = ListBuilder("LINE").point(10, 0, 0, 0).point(11, 1, 0, 0).append(db());
    const EntityId polyline = appendPolyline2d(db(), 0, {{0, 0}, {1, 1}});
    const EntityId insert = ListBuilder("INSERT").integer(66, 1).text(2, "LOT").point(10, 0, 0, 0).append(db());
    const EntityId attribute = ListBuilder("ATTRIB").point(10, 0, 0, 0).text(1, "12").text(2, "NO").append(db());
    ListBuilder("SEQEND").append(db());
    const EntityId paper = ListBuilder("POINT").point(10, 0, 0, 0).integer(67, 1).append(db());
    const EntityId model = ListBuilder("POINT").point(10, 0, 0, 0).integer(67, 0).append(db());
    const EntityId stray = ListBuilder("VERTEX").point(10, 0, 0, 0).append(db());
    const EntityId plain = ListBuilder("INSERT").text(2, "LOT").point(10, 0, 0, 0).append(db());
    const EntityId after = ListBuilder("SEQEND").append(db());

    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "all", RTSTR, "", RTSTR, "0,0", RTSTR, "1,0", RTNONE), RTNORM);
    EXPECT_EQ(previousSelection(), (std::vector<EntityId>{line, polyline, insert, model, plain}));
    EXPECT_DOUBLE_EQ(groupWithCode(db(), attribute, 10).xyz[0], 1);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), paper, 10).xyz[0], 0);

    setPreviousSelection({stray, paper, polyline + 1, after, model});
    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "p", RTSTR, "", RTSTR, "0,0", RTSTR, "1,0", RTNONE), RTNORM);
    EXPECT_EQ(previousSelection(), (std::vector<EntityId>{model}));
    EXPECT_DOUBLE_EQ(groupWithCode(db(), model, 10).xyz[0], 2);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), polyline + 1, 10).xyz[0], 1);
}

// A chosen set is taken again whole only while the drawing it was chosen
// in stands as it was then.
TEST_F(MoveChangeTest, PreviousLooksAgainAfterAChangeOrInAnotherDrawing) {
    const EntityId a = ListBuilder("POINT").point(10, 0, 0, 0).append(db());
    const EntityId b = ListBuilder("POINT").point(10, 0, 0, 0).append(db());
    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "all", RTSTR, "", RTSTR, "0,0", RTSTR, "1,0", RTNONE), RTNORM);
    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "p", RTSTR, "", RTSTR, "0,0", RTSTR, "1,0", RTNONE), RTNORM);
    db().replace(b, ListBuilder("POINT").point(10, 2, 0, 0).integer(67, 1).bytes());
    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "p", RTSTR, "", RTSTR, "0,0", RTSTR, "1,0", RTNONE), RTNORM);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), a, 10).xyz[0], 3);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), b, 10).xyz[0], 2);
    EXPECT_EQ(previousSelection(), (std::vector<EntityId>{a}));

    // A drawing opened since, at the same change state, holds what may not
    // be chosen under the same id.
    replaceCurrentDatabase(std::make_unique<Database>());
    ListBuilder("POINT").point(10, 0, 0, 0).append(db());
    ads_name set;
    ASSERT_EQ(acedSSGet("X", nullptr, nullptr, nullptr, set), RTNORM);
    acedSSFree(set);
    replaceCurrentDatabase(std::make_unique<Database>());
    ListBuilder("POINT").point(10, 0, 0, 0).integer(67, 1).append(db());
    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "p", RTSTR, "", RTSTR, "0,0", RTSTR, "1,0", RTNONE), RTERROR);
    EXPECT_EQ(takePrinted(), "Nothing selected.\n");
}

TEST_F(MoveChangeTest, ChangeElevationLeavesSlopedLinesAnd3dPolylines) {
    const EntityId sloped = ListBuilder("LINE").point(10, 0, 0, 0).point(11, 5, 5, 1).append(db());
    const EntityId poly3d = ListBuilder("POLYLINE").integer(66, 1).integer(70, 8).append(db());
    ListBuilder("VERTEX").point(10, 0, 0, 4).integer(70, 32).append(db());
    ListBuilder("VERTEX").point(10, 1, 0, 4).integer(70, 32).append(db());
    ListBuilder("SEQEND").append(db());
    const EntityId lw = ListBuilder("LWPOLYLINE").integer(90, 2).integer(70, 0).flat(10, 0, 0).flat(10, 1, 1).append(db());

    EXPECT_EQ(acedCommandS(RTSTR, "change", RTSTR, "all", RTSTR, "", RTSTR, "P", RTSTR, "elev", RTSTR, " -2 ", RTSTR,
                           "", RTNONE),
              RTNORM);
    expectPoint(groupWithCode(db(), sloped, 11), 5, 5, 1);
    EXPECT_TRUE(groupsWithCode(db(), poly3d, 10).empty());  // a 3D polyline gets no header point
    EXPECT_DOUBLE_EQ(groupWithCode(db(), poly3d + 1, 10).xyz[2], 4.0);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), lw, 38).real(), -2.0);
    // The elevation goes before the vertices, where a DXF writer has it.
    const auto groups = groupsOf(db(), lw);
    const auto elevation = std::find_if(groups.begin(), groups.end(), [](const Group& g) { return g.code == 38; });
    const auto vertex = std::find_if(groups.begin(), groups.end(), [](const Group& g) { return g.code == 10; });
    EXPECT_LT(elevation - groups.begin(), vertex - groups.begin());
}

// Every kind a user may give the elevation tool, as drawn by a CAD program
// (a text with its alignment point, an arc tilted out of the plan, a
// lightweight polyline with no elevation group yet), set by CHANGE and
// shifted by MOVE with the words the tool sends.
struct ElevationKinds {
    EntityId line, arc, tilted, circle, text, point, polyline, poly3d, lw, face;
};

ElevationKinds appendEveryKind(Database& db) {
    ElevationKinds k{};
    k.line = ListBuilder("LINE").point(10, 0, 0, 2).point(11, 5, 5, 2).append(db);
    k.arc = ListBuilder("ARC").point(10, 1, 1, 2).real(40, 1).real(50, 0).real(51, 90).append(db);
    k.tilted = ListBuilder("ARC").point(10, 1, 1, 2).real(40, 1).real(50, 0).real(51, 90).point(210, 0, -1, 0).append(db);
    k.circle = ListBuilder("CIRCLE").point(10, 3, 3, 2).real(40, 2).append(db);
    k.text = ListBuilder("TEXT").point(10, 4, 4, 2).real(40, 1).text(1, "102.5").integer(72, 1).point(11, 5, 4, 2).append(db);
    k.point = ListBuilder("POINT").point(10, 6, 6, 2).append(db);
    k.polyline = appendPolyline2d(db, 2, {{0, 0}, {10, 0}});
    k.poly3d = ListBuilder("POLYLINE").integer(66, 1).point(10, 0, 0, 0).integer(70, 8).append(db);
    ListBuilder("VERTEX").point(10, 0, 0, 1).integer(70, 32).append(db);
    ListBuilder("VERTEX").point(10, 1, 0, 3).integer(70, 32).append(db);
    ListBuilder("SEQEND").append(db);
    k.lw = ListBuilder("LWPOLYLINE").integer(90, 2).integer(70, 0).flat(10, 0, 0).flat(10, 1, 1).append(db);
    k.face = ListBuilder("3DFACE").point(10, 0, 0, 2).point(11, 1, 0, 2).point(12, 1, 1, 2).point(13, 0, 1, 2).append(db);
    return k;
}

std::vector<EntityId> everyHead(const ElevationKinds& k, bool withTilted) {
    std::vector<EntityId> heads = {k.line, k.arc, k.circle, k.text, k.point, k.polyline, k.poly3d, k.lw, k.face};
    if (withTilted) heads.push_back(k.tilted);
    return heads;
}

double zOf(const Database& db, EntityId id, int code) { return groupWithCode(db, id, code).xyz[2]; }

// The kinds that lie flat, with every place of theirs at `z`.
void expectFlatKindsAt(const Database& db, const ElevationKinds& k, double z) {
    for (const EntityId id : {k.line, k.text}) {
        for (const int code : {10, 11}) EXPECT_DOUBLE_EQ(zOf(db, id, code), z) << db.type(id);
    }
    for (const EntityId id : {k.arc, k.circle, k.point, k.polyline, k.polyline + 1, k.polyline + 2}) {
        EXPECT_DOUBLE_EQ(zOf(db, id, 10), z) << db.type(id);
    }
    for (const int code : {10, 11, 12, 13}) EXPECT_DOUBLE_EQ(zOf(db, k.face, code), z);
}

TEST_F(MoveChangeTest, ChangeElevationServesEveryKindTheElevationToolSelects) {
    const ElevationKinds k = appendEveryKind(db());
    setPreviousSelection(everyHead(k, false));
    EXPECT_EQ(acedCommandS(RTSTR, "change", RTSTR, "p", RTSTR, "", RTSTR, "properties", RTSTR, "e", RTREAL, 12.5,
                           RTSTR, "", RTNONE),
              RTNORM);
    // The one it leaves is said, not passed over in silence.
    EXPECT_EQ(takePrinted(), "1 object(s) not changed: not parallel to the plan\n");
    expectFlatKindsAt(db(), k, 12.5);
    expectPoint(groupWithCode(db(), k.tilted, 10), 1, 1, 2);  // not selected, not changed
    EXPECT_DOUBLE_EQ(zOf(db(), k.poly3d + 1, 10), 1.0);  // a 3D polyline has no one elevation
    EXPECT_DOUBLE_EQ(zOf(db(), k.poly3d + 2, 10), 3.0);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), k.lw, 38).real(), 12.5);
}

TEST_F(MoveChangeTest, MoveAlongZServesEveryKindTheElevationToolSelects) {
    const ElevationKinds k = appendEveryKind(db());
    setPreviousSelection(everyHead(k, true));
    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "p", RTSTR, "", RTSTR, "0.0,0.0,0.0", RTSTR, "0.0,0.0,-1.25", RTNONE),
              RTNORM);
    EXPECT_EQ(takePrinted(), "");
    expectFlatKindsAt(db(), k, 0.75);
    // Standing on its side, the arc's own y is the world's z.
    expectPoint(groupWithCode(db(), k.tilted, 10), 1, -0.25, 2);
    EXPECT_DOUBLE_EQ(zOf(db(), k.poly3d + 1, 10), -0.25);
    EXPECT_DOUBLE_EQ(zOf(db(), k.poly3d + 2, 10), 1.75);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), k.lw, 38).real(), -1.25);
}

TEST_F(MoveChangeTest, ChangeColourLayerLinetypeScaleAndThickness) {
    TableRecord road;
    road.groups = {OwnedGroup::string(2, "Road"), OwnedGroup::integral(70, 0), OwnedGroup::integral(62, 3)};
    db().layers().add(std::move(road));
    const EntityId line = ListBuilder("LINE").point(10, 0, 0).point(11, 1, 0).append(db());
    setPreviousSelection({line});

    EXPECT_EQ(acedCommandS(RTSTR, "change", RTSTR, "p", RTSTR, "", RTSTR, "p", RTSTR, "c", RTSTR, "red", RTSTR, "la",
                           RTSTR, "road", RTSTR, "t", RTREAL, 2.5, RTSTR, "s", RTSTR, "0.5", RTSTR, "", RTNONE),
              RTNORM);
    EXPECT_EQ(groupWithCode(db(), line, 62).integer, 1);
    EXPECT_EQ(groupWithCode(db(), line, 8).text, "Road");
    EXPECT_DOUBLE_EQ(groupWithCode(db(), line, 39).real(), 2.5);
    EXPECT_DOUBLE_EQ(groupWithCode(db(), line, 48).real(), 0.5);

    EXPECT_EQ(acedCommandS(RTSTR, "change", RTSTR, "p", RTSTR, "", RTSTR, "p", RTSTR, "c", RTSTR, "bylayer", RTSTR,
                           "", RTNONE),
              RTNORM);
    EXPECT_TRUE(groupsWithCode(db(), line, 62).empty());

    EXPECT_EQ(acedCommandS(RTSTR, "change", RTSTR, "p", RTSTR, "", RTSTR, "p", RTSTR, "la", RTSTR, "nosuch", RTNONE),
              RTREJ);
    EXPECT_EQ(takePrinted(), "Cannot find layer \"nosuch\".\n");
    EXPECT_EQ(groupWithCode(db(), line, 8).text, "Road");
}

}  // namespace
}  // namespace zcad::testing
