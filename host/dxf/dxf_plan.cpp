// Before anything is written: the release's needs, handles for what has
// none, the owners of new things, and whether the extents must be redone.
#include <algorithm>

#include "dxf_numbers.h"
#include "dxf_version.h"
#include "dxf_writer.h"
#include "zcad/entity_shape.h"
#include "zcad/text.h"

namespace zcad::dxf {

namespace {

constexpr std::array<const char*, 3> kHostTables = {"LAYER", "STYLE", "LTYPE"};

std::uint64_t headerHandle(const SymbolTable& table) {
    for (const auto& g : table.header) {
        std::uint64_t handle = 0;
        if (g.code == 5 && parseHandle(g.text, handle)) return handle;
    }
    return 0;
}

// The handle of BLOCK_RECORD *Model_Space in a kept table.
std::uint64_t keptModelSpace(const DxfKept& kept) {
    for (const auto& table : kept.tables) {
        if (table.name != "BLOCK_RECORD") continue;
        std::uint64_t handle = 0;
        for (std::size_t i = table.raw.first; i < table.raw.first + table.raw.count; ++i) {
            const int code = kept.raw.code(i);
            if (code == 0) handle = 0;
            if (code == 5) parseHandle(kept.raw.value(i), handle);
            if (code == 2 && equalNoCase(trimmed(kept.raw.value(i)), "*Model_Space")) return handle;
        }
    }
    return 0;
}

}  // namespace

WriteContext::WriteContext(const Database& database, const DxfKept* keptContent, DxfVersion release,
                           PiecePool& piecePool, PieceSink* sink)
    : db(database),
      kept(keptContent),
      version(release),
      laterThanR12(keptContent ? keptContent->laterThanR12 && release != DxfVersion::R12 : release != DxfVersion::R12),
      handles(!keptContent || laterThanR12 || (!keptContent->laterThanR12 && keptContent->hadHandles)),
      converted(keptContent && keptContent->version != release),
      toR12(keptContent && keptContent->laterThanR12 && release == DxfVersion::R12),
      pool(piecePool),
      out(isUtf8Release(release) ? TextEncoding::Utf8 : TextEncoding::Ansi, keptContent && keptContent->crlf, piecePool,
          sink) {
    if (keptContent) out.setDegreesAsRead(&keptContent->degreesAsRead);
}

const SymbolTable& hostTable(const Database& db, std::size_t index) {
    if (index == 0) return db.layers();
    if (index == 1) return db.styles();
    return db.linetypes();
}

std::size_t hostTableIndex(std::string_view name) {
    for (std::size_t i = 0; i < kHostTables.size(); ++i) {
        if (equalNoCase(name, kHostTables[i])) return i;
    }
    return kHostTables.size();
}

void planHandles(WriteContext& ctx) {
    std::uint64_t seed = ctx.db.handleSeed();
    if (ctx.kept) seed = std::max(seed, ctx.kept->largestHandle + 1);
    for (std::size_t t = 0; t < 3; ++t) {
        const auto& table = hostTable(ctx.db, t);
        seed = std::max(seed, headerHandle(table) + 1);
        for (const auto& record : table.records()) seed = std::max(seed, record.handle + 1);
    }
    ctx.nextHandle = seed;
    for (std::size_t t = 0; t < 3; ++t) {
        const auto& table = hostTable(ctx.db, t);
        ctx.tableHandles[t] = headerHandle(table);
        auto& handles = ctx.recordHandles[t];
        handles.clear();
        // R12 records carry a handle only when the file gave them one; giving
        // out handles that are never written would raise $HANDSEED on every save.
        for (const auto& record : table.records()) {
            handles.push_back(record.handle || !ctx.laterThanR12 ? record.handle : ctx.allocate());
        }
    }
    if (ctx.kept) ctx.modelSpace = keptModelSpace(*ctx.kept);
}

void computeExtents(WriteContext& ctx) {
    // A drawing whose entities are as read keeps the extents it gave.
    if (ctx.kept && ctx.db.entityCount() == ctx.kept->loadedEntities &&
        entityDigest(ctx.db) == ctx.kept->entityDigest) {
        return;
    }
    ctx.extents.changed = true;
    const Box box = drawingExtents(ctx.db);
    if (box.empty()) return;
    std::copy(box.min, box.min + 3, ctx.extents.min);
    std::copy(box.max, box.max + 3, ctx.extents.max);
}

}  // namespace zcad::dxf
