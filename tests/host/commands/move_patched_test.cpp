// MOVE patches the stored bytes of most entities instead of decoding them;
// whatever it patches must come out bit for bit as the decoded path makes it.
#include <limits>

#include "host_fixture.h"
#include "shapes/move.h"

namespace zcad::testing {
namespace {

using shapes::V3;

constexpr double kBig = 4.5e15;  // past where an added half is lost
constexpr double kHuge = std::numeric_limits<double>::max() / 4;

// Every kind a selection may hold, with the values that show a wrong sum,
// system or sign: negative zeros, tilted extrusions, flat points.
void appendKinds(Database& db) {
    ListBuilder("POINT").point(10, -0.0, 0.0, -0.0).append(db);
    ListBuilder("POINT").flat(10, kBig, -kBig).append(db);
    ListBuilder("POINT").point(10, -3.25, 7.5, 0).append(db);  // moved onto the origin
    ListBuilder("LINE").real(38, -1.5).flat(10, 1, 1).flat(11, 2, 2).append(db);  // raised to elevation 0
    ListBuilder("LINE").point(10, 1, 2, 3).point(11, kHuge, -kHuge, 0.1).real(39, 2).append(db);
    ListBuilder("LINE").real(38, 4).flat(10, 0, 0).flat(11, 5, 5).append(db);
    ListBuilder("TEXT").point(10, 4, 4, 2).real(40, 1).text(1, "102.5").integer(72, 1).point(11, 5, 4, 2).append(db);
    ListBuilder("CIRCLE").point(10, 5, 0, 2).real(40, 1).point(210, 0, 0, -1).append(db);
    ListBuilder("ARC").point(10, 1, 1, 2).real(40, 1).real(50, 0).real(51, 90).point(210, 0, -1, 0).append(db);
    ListBuilder("ARC").point(10, 1, 1, 2).real(40, 1).point(210, 0.6, 0.48, 0.64).append(db);
    ListBuilder("3DFACE").point(10, 0, 0, 2).point(11, 1, 0, 2).point(12, 1, 1, -0.0).point(13, 0, 1, 2).append(db);
    ListBuilder("LWPOLYLINE").integer(90, 2).integer(70, 0).real(38, -0.0).flat(10, 0, 0).flat(10, 1, 1).append(db);
    ListBuilder("LWPOLYLINE").integer(90, 2).integer(70, 1).flat(10, 0, 0).flat(10, 1, 1).point(210, 0, 0, -1)
        .append(db);
    ListBuilder("ELLIPSE").point(10, 10, 0, 0).point(11, 3, 0, 0).real(40, 0.5).append(db);
    ListBuilder("MTEXT").point(10, 1, 1, 1).point(11, 1, 0, 0).text(1, "note").append(db);
    ListBuilder("DIMENSION")
        .point(10, 1, 1, 1).point(11, 2, 2, 2).point(12, 3, 3, 3).point(13, 4, 4, 4).point(14, 5, 5, 5)
        .point(210, 0, 1, 0).append(db);
    ListBuilder("LINE").point(10, 0, 0, 0).point(11, 1, 0, 0).text(1001, "SURVEY").point(1010, 7, 7, 7)
        .point(1011, 8, 8, 8).append(db);
    ListBuilder("HATCH").point(10, 0, 0, 2).integer(91, 1).integer(92, 1).integer(93, 1).integer(72, 3)
        .flat(10, 1, 1).flat(11, 5, 0).real(40, 0.5).append(db);

    ListBuilder("POLYLINE").integer(66, 1).point(10, 0, 0, 3).integer(70, 1).point(210, 0, 0, -1).append(db);
    ListBuilder("VERTEX").point(10, 1, 2, 3).integer(70, 0).append(db);
    ListBuilder("VERTEX").point(10, -0.0, 4, 3).real(42, 0.5).integer(70, 0).append(db);
    ListBuilder("SEQEND").append(db);
    ListBuilder("POLYLINE").integer(66, 1).point(10, 0, 0, 3).integer(70, 0).point(210, 0, 0, -1).append(db);
    ListBuilder("SEQEND").append(db);
    // A 3D polyline's points are the world's, whatever extrusion it carries.
    ListBuilder("POLYLINE").integer(66, 1).point(10, 0, 0, 0).integer(70, 8).point(210, 0, 0, -1).append(db);
    ListBuilder("VERTEX").point(10, 0, 0, 1).integer(70, 32).append(db);
    ListBuilder("VERTEX").point(10, 1, 0, 3).integer(70, 32).append(db);
    ListBuilder("SEQEND").append(db);
    ListBuilder("POLYLINE").integer(66, 1).integer(70, 64).integer(71, 3).integer(72, 1).append(db);
    ListBuilder("VERTEX").point(10, 0, 0, 1).integer(70, 192).append(db);
    ListBuilder("VERTEX").point(10, 0, 0, 0).integer(70, 128).integer(71, 1).integer(72, 2).append(db);
    ListBuilder("SEQEND").append(db);
    ListBuilder("INSERT").integer(66, 1).text(2, "LOT").point(10, 9, 9, 0).real(50, 30).point(210, 0, 0, -1).append(db);
    ListBuilder("ATTRIB").point(10, 9, 9, 0).real(40, 1).text(1, "12").text(2, "NO").point(11, 9, 9, 0).append(db);
    ListBuilder("ATTRIB").point(10, 9, 8, 0).real(40, 1).text(1, "A").text(2, "P").point(210, 0, -1, 0).append(db);
    ListBuilder("SEQEND").append(db);
}

std::vector<EntityId> heads(const Database& db) {
    std::vector<EntityId> out;
    for (EntityId id = db.next(kNoEntity); id != kNoEntity; id = db.next(id)) {
        const std::string_view type = db.type(id);
        if (type != "VERTEX" && type != "ATTRIB" && type != "SEQEND") out.push_back(id);
    }
    return out;
}

std::vector<std::uint8_t> bytesOf(const Database& db, EntityId id) {
    const auto list = db.list(id);
    return {list.begin(), list.end()};
}

// Bit for bit alike would also hold with nothing patched: most must be
// patched. The hatch goes through its groups, and so do lists that change
// shape: a flat POINT or an LWPOLYLINE with no elevation group raised, a
// zero value before or after (a fresh list keeps it without bytes).
TEST(MovePatchedTest, EveryKindMovesBitForBitAsThroughItsGroups) {
    const V3 deltas[] = {{0, 0, 1.5},  {3.25, -7.5, 0},     {-0.0, -0.0, -0.0}, {0.5, 0.5, -0.0},
                         {0, 0, -1.25}, {1e-300, -2.5e10, 0.1}, {kHuge, -kHuge, 1}};
    for (const V3& delta : deltas) {
        Database patched;
        Database decoded;
        appendKinds(patched);
        appendKinds(decoded);
        shapes::EntityMove move(delta);
        for (const EntityId id : heads(patched)) {
            move.move(patched, id);
            shapes::moveByGroups(decoded, id, delta);
        }
        std::size_t moved = 0;
        for (EntityId id = 0; id < patched.entityCount(); ++id) {
            moved += patched.type(id) != "SEQEND";
            EXPECT_EQ(bytesOf(patched, id), bytesOf(decoded, id))
                << patched.type(id) << " #" << id << " by " << delta.x << "," << delta.y << "," << delta.z;
        }
        EXPECT_GT(move.patched(), moved / 2);
    }
    Database db;
    const EntityId point = ListBuilder("POINT").point(10, 1, 2, 3).append(db);
    const EntityId origin = ListBuilder("POINT").point(10, 0, 0, 0).append(db);
    shapes::EntityMove move({0, 0, 1.5});
    move.move(db, point);
    EXPECT_EQ(move.patched(), 1u);
    move.move(db, origin);
    EXPECT_EQ(move.patched(), 1u) << "the origin has no bytes to patch";
    EXPECT_EQ(findGroup(decodeGroups(db.list(origin)), 10)->xyz[2], 1.5);
}

}  // namespace
}  // namespace zcad::testing
