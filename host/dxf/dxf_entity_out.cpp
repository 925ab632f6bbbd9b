// One entity of the database as DXF groups.
#include "dxf_numbers.h"
#include "dxf_subclass.h"
#include "dxf_writer.h"

namespace zcad::dxf {

namespace {

bool hasCode(const std::vector<Group>& groups, int code) {
    for (const auto& g : groups) {
        if (g.code == code) return true;
    }
    return false;
}

int flagsOf(const std::vector<Group>& groups) {
    for (const auto& g : groups) {
        if (g.code == 70) return static_cast<int>(g.integer);
    }
    return 0;
}

void writeOwner(WriteContext& ctx, std::uint64_t owner) {
    if (owner) ctx.out.handle(330, owner);
}

// Groups [1, n) of a list, angles turned back into degrees; extended data
// keeps its values as they are.
void writeGroups(WriteContext& ctx, const std::vector<Group>& groups, const AngleTable::Codes& angles, int part,
                 const Subclasses* split) {
    bool extended = false;
    for (std::size_t i = 1; i < groups.size(); ++i) {
        const Group& g = groups[i];
        if (g.code == 1001) extended = true;
        if (split) {
            // part 0: AcDbEntity's; 1: the class's; 2: the second marker's; 3: extended data
            int at = 1;
            if (extended || g.code >= 1000) {
                at = 3;
            } else if (isCommonEntityGroup(g.code)) {
                at = 0;
            } else if (split->allInSecond || (split->inSecond && split->inSecond(g.code))) {
                at = 2;
            }
            if (at != part) continue;
        }
        const bool angle = !extended && isAngleCode(angles, g.code);
        ctx.out.group(g, angle);
    }
}

}  // namespace

bool opensSequence(std::string_view type, const std::vector<Group>& groups) {
    return (type == "POLYLINE" || type == "INSERT") && hasCode(groups, 66);
}

void writeEntity(WriteContext& ctx, EntityId id) {
    GroupReader reader(ctx.db.list(id));
    Group g;
    if (!reader.next(g) || g.code != 0) return;
    const std::string_view type = g.text;
    if (ctx.toR12) {
        ctx.groups.clear();
        while (reader.next(g)) ctx.groups.push_back(g);
        return writeEntityR12(ctx, type, ctx.groups);
    }
    const auto& angles = ctx.angles.of(type);
    const std::uint64_t handle = ctx.db.handle(id);
    ctx.out.group(g, false);
    if (ctx.handles) ctx.out.handle(5, handle);
    // R12 has no owners or subclasses: the groups go out as they are read.
    if (!ctx.laterThanR12) {
        bool extended = false;
        while (reader.next(g)) {
            if (g.code == 1001) extended = true;
            ctx.out.group(g, !extended && isAngleCode(angles, g.code));
        }
        return;
    }
    auto& groups = ctx.groups;
    groups.clear();
    groups.push_back(g);
    while (reader.next(g)) groups.push_back(g);

    // Followers of a POLYLINE or an INSERT with attributes belong to it.
    const bool follower = type == "VERTEX" || type == "ATTRIB" || type == "SEQEND";
    const std::uint64_t owner = follower && ctx.parent ? ctx.parent : ctx.modelSpace;
    if (!follower) ctx.parent = 0;
    if (opensSequence(type, groups)) ctx.parent = handle;
    if (type == "SEQEND") ctx.parent = 0;

    if (hasCode(groups, 100)) {
        if (!hasCode(groups, 330)) writeOwner(ctx, owner);
        return writeGroups(ctx, groups, angles, 0, nullptr);
    }
    // Made by the host: owner and subclass markers as the release has them.
    const Subclasses split = subclassesOf(type, flagsOf(groups));
    if (!hasCode(groups, 330)) writeOwner(ctx, owner);
    ctx.out.raw(100, "AcDbEntity");
    writeGroups(ctx, groups, angles, 0, &split);
    if (split.first) ctx.out.raw(100, split.first);
    writeGroups(ctx, groups, angles, 1, &split);
    if (split.second) ctx.out.raw(100, split.second);
    writeGroups(ctx, groups, angles, 2, &split);
    writeGroups(ctx, groups, angles, 3, &split);
}

}  // namespace zcad::dxf
