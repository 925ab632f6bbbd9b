// A drawing that was not read from a file: the sections, tables, blocks
// and objects its release needs around the host's tables and entities.
#include <algorithm>

#include "dxf_version.h"
#include "dxf_writer.h"
#include "zcad/text.h"

namespace zcad::dxf {

namespace {

struct Skeleton {
    std::uint64_t vportTable, vport, viewTable, ucsTable, appidTable, appid, dimstyleTable, dimstyle;
    std::uint64_t blockRecordTable, modelRecord, paperRecord;
    std::uint64_t modelBlock, modelEnd, paperBlock, paperEnd;
    std::uint64_t byBlock, byLayer;
    std::uint64_t rootDictionary, groupDictionary;
};

// The applications named by the entities' extended data, besides ACAD.
std::vector<std::string> applicationsOf(const Database& db) {
    std::vector<std::string> names;
    for (EntityId id = 0; id < db.entityCount(); ++id) {
        if (!db.valid(id)) continue;
        GroupReader reader(db.list(id));
        Group g;
        while (reader.next(g)) {
            if (g.code != 1001 || equalNoCase(g.text, "ACAD")) continue;
            const bool known = std::any_of(names.begin(), names.end(),
                                           [&g](const std::string& name) { return equalNoCase(name, g.text); });
            if (!known) names.emplace_back(g.text);
        }
    }
    return names;
}

Skeleton allocateSkeleton(WriteContext& ctx) {
    Skeleton s{};
    if (!ctx.laterThanR12) return s;
    if (ctx.upFromR12) ctx.applications = applicationsOf(ctx.db);
    ctx.firstApplication = ctx.nextHandle;
    ctx.nextHandle += ctx.applications.size();
    for (auto* h : {&s.vportTable, &s.vport, &s.viewTable, &s.ucsTable, &s.appidTable, &s.appid, &s.dimstyleTable,
                    &s.dimstyle, &s.blockRecordTable, &s.modelRecord, &s.paperRecord, &s.modelBlock, &s.modelEnd,
                    &s.paperBlock, &s.paperEnd, &s.byBlock, &s.byLayer, &s.rootDictionary, &s.groupDictionary}) {
        *h = ctx.allocate();
    }
    for (auto& table : ctx.tableHandles) table = ctx.allocate();
    ctx.modelSpace = s.modelRecord;
    return s;
}

void tableStart(WriteContext& ctx, std::string_view name, std::uint64_t handle, std::int64_t count) {
    Out& out = ctx.out;
    out.raw(0, "TABLE");
    out.raw(2, name);
    if (ctx.laterThanR12) {
        out.handle(5, handle);
        out.raw(330, "0");
        out.raw(100, "AcDbSymbolTable");
    }
    out.integer(70, count);
}

void recordStart(WriteContext& ctx, std::string_view type, std::uint64_t handle, std::uint64_t table,
                 const char* subclass, int handleCode = 5) {
    Out& out = ctx.out;
    out.raw(0, type);
    if (!ctx.laterThanR12) return;
    out.handle(handleCode, handle);
    out.handle(330, table);
    out.raw(100, "AcDbSymbolTableRecord");
    out.raw(100, subclass);
}

void writeVport(WriteContext& ctx, const Skeleton& s) {
    Out& out = ctx.out;
    const ViewState& view = ctx.db.view;
    const double centre[3] = {view.set ? view.centre[0] : 0.0, view.set ? view.centre[1] : 0.0, 0.0};
    const double height = view.set && view.height > 0 ? view.height : 1.0;
    tableStart(ctx, "VPORT", s.vportTable, 1);
    recordStart(ctx, "VPORT", s.vport, s.vportTable, "AcDbViewportTableRecord");
    out.raw(2, "*ACTIVE");
    out.integer(70, 0);
    const double zero[3] = {0, 0, 0};
    const double one[3] = {1, 1, 0};
    const double up[3] = {0, 0, 1};
    out.point(10, zero, true);
    out.point(11, one, true);
    out.point(12, centre, true);
    out.point(13, zero, true);
    out.point(14, one, true);
    out.point(15, zero, true);
    out.point(16, up, false);
    out.point(17, zero, false);
    out.real(40, height);
    out.real(41, 1.5);
    out.real(42, 50.0);
    out.real(43, 0.0);
    out.real(44, 0.0);
    out.real(50, 0.0);
    out.real(51, 0.0);
    out.integer(71, 0);
    out.integer(72, 100);
    out.integer(73, 1);
    out.integer(74, 3);
    out.integer(75, 0);
    out.integer(76, 0);
    out.integer(77, 0);
    out.integer(78, 0);
    out.raw(0, "ENDTAB");
}

// R13 and later list BYBLOCK and BYLAYER in LTYPE; the host need not.
void writeLinetypes(WriteContext& ctx, const Skeleton& s) {
    if (!ctx.laterThanR12) return writeHostTable(ctx, 2);
    const auto& records = ctx.db.linetypes();
    Out& out = ctx.out;
    const std::uint64_t table = ctx.tableHandles[2];
    std::int64_t count = static_cast<std::int64_t>(records.records().size());
    const bool byBlock = records.find("BYBLOCK") == nullptr;
    const bool byLayer = records.find("BYLAYER") == nullptr;
    tableStart(ctx, "LTYPE", table, count + byBlock + byLayer);
    const auto special = [&](std::string_view name, std::uint64_t handle) {
        recordStart(ctx, "LTYPE", handle, table, "AcDbLinetypeTableRecord");
        out.raw(2, name);
        out.integer(70, 0);
        out.raw(3, "");
        out.integer(72, 65);
        out.integer(73, 0);
        out.real(40, 0.0);
    };
    if (byBlock) special("BYBLOCK", s.byBlock);
    if (byLayer) special("BYLAYER", s.byLayer);
    writeHostRecords(ctx, 2);
    out.raw(0, "ENDTAB");
}

void writeEmptyTable(WriteContext& ctx, std::string_view name, std::uint64_t handle) {
    tableStart(ctx, name, handle, 0);
    ctx.out.raw(0, "ENDTAB");
}

void writeAppids(WriteContext& ctx, const Skeleton& s) {
    tableStart(ctx, "APPID", s.appidTable, 1 + static_cast<std::int64_t>(ctx.applications.size()));
    recordStart(ctx, "APPID", s.appid, s.appidTable, "AcDbRegAppTableRecord");
    ctx.out.raw(2, "ACAD");
    ctx.out.integer(70, 0);
    for (std::size_t i = 0; i < ctx.applications.size(); ++i) {
        const std::string& name = ctx.applications[i];
        recordStart(ctx, "APPID", ctx.firstApplication + i, s.appidTable, "AcDbRegAppTableRecord");
        ctx.out.text(2, name);
        ctx.out.integer(70, 0);
    }
    ctx.out.raw(0, "ENDTAB");
}

void writeDimstyles(WriteContext& ctx, const Skeleton& s) {
    Out& out = ctx.out;
    tableStart(ctx, "DIMSTYLE", s.dimstyleTable, 1);
    if (ctx.laterThanR12) out.raw(100, "AcDbDimStyleTable");
    recordStart(ctx, "DIMSTYLE", s.dimstyle, s.dimstyleTable, "AcDbDimStyleTableRecord", 105);
    out.raw(2, "STANDARD");
    out.integer(70, 0);
    out.raw(0, "ENDTAB");
}

void writeBlockRecords(WriteContext& ctx, const Skeleton& s) {
    tableStart(ctx, "BLOCK_RECORD", s.blockRecordTable, 2);
    recordStart(ctx, "BLOCK_RECORD", s.modelRecord, s.blockRecordTable, "AcDbBlockTableRecord");
    ctx.out.raw(2, "*Model_Space");
    recordStart(ctx, "BLOCK_RECORD", s.paperRecord, s.blockRecordTable, "AcDbBlockTableRecord");
    ctx.out.raw(2, "*Paper_Space");
    ctx.out.raw(0, "ENDTAB");
}

void writeBlock(WriteContext& ctx, std::string_view name, std::uint64_t record, std::uint64_t begin,
                std::uint64_t end, bool paper) {
    Out& out = ctx.out;
    const double origin[3] = {0, 0, 0};
    out.raw(0, "BLOCK");
    out.handle(5, begin);
    out.handle(330, record);
    out.raw(100, "AcDbEntity");
    if (paper) out.integer(67, 1);
    out.raw(8, "0");
    out.raw(100, "AcDbBlockBegin");
    out.raw(2, name);
    out.integer(70, 0);
    out.point(10, origin, false);
    out.raw(3, name);
    out.raw(1, "");
    out.raw(0, "ENDBLK");
    out.handle(5, end);
    out.handle(330, record);
    out.raw(100, "AcDbEntity");
    if (paper) out.integer(67, 1);
    out.raw(8, "0");
    out.raw(100, "AcDbBlockEnd");
}

void writeObjects(WriteContext& ctx, const Skeleton& s) {
    Out& out = ctx.out;
    out.raw(0, "SECTION");
    out.raw(2, "OBJECTS");
    out.raw(0, "DICTIONARY");
    out.handle(5, s.rootDictionary);
    out.raw(330, "0");
    out.raw(100, "AcDbDictionary");
    out.integer(281, 1);
    out.raw(3, "ACAD_GROUP");
    out.handle(350, s.groupDictionary);
    out.raw(0, "DICTIONARY");
    out.handle(5, s.groupDictionary);
    out.raw(102, "{ACAD_REACTORS");
    out.handle(330, s.rootDictionary);
    out.raw(102, "}");
    out.handle(330, s.rootDictionary);
    out.raw(100, "AcDbDictionary");
    out.integer(281, 1);
    out.raw(0, "ENDSEC");
}

}  // namespace

void writeNewDrawing(WriteContext& ctx) {
    const Skeleton s = allocateSkeleton(ctx);
    writeHeader(ctx);
    Out& out = ctx.out;
    if (ctx.laterThanR12) {
        out.raw(0, "SECTION");
        out.raw(2, "CLASSES");
        out.raw(0, "ENDSEC");
    }
    out.raw(0, "SECTION");
    out.raw(2, "TABLES");
    writeVport(ctx, s);
    writeLinetypes(ctx, s);
    writeHostTable(ctx, 0);
    writeHostTable(ctx, 1);
    writeEmptyTable(ctx, "VIEW", s.viewTable);
    writeEmptyTable(ctx, "UCS", s.ucsTable);
    writeAppids(ctx, s);
    writeDimstyles(ctx, s);
    if (ctx.laterThanR12) writeBlockRecords(ctx, s);
    out.raw(0, "ENDSEC");
    out.raw(0, "SECTION");
    out.raw(2, "BLOCKS");
    if (ctx.laterThanR12) {
        writeBlock(ctx, "*Model_Space", s.modelRecord, s.modelBlock, s.modelEnd, false);
        writeBlock(ctx, "*Paper_Space", s.paperRecord, s.paperBlock, s.paperEnd, true);
    }
    out.raw(0, "ENDSEC");
    out.raw(0, "SECTION");
    out.raw(2, "ENTITIES");
    writeAllEntities(ctx);
    out.raw(0, "ENDSEC");
    if (ctx.laterThanR12) writeObjects(ctx, s);
    out.raw(0, "EOF");
}

}  // namespace zcad::dxf
