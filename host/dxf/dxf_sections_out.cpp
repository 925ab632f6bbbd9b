// HEADER, the host's tables and kept content as DXF groups.
#include <algorithm>

#include "db/table_defaults.h"
#include "dxf_numbers.h"
#include "dxf_subclass.h"
#include "dxf_version.h"
#include "dxf_writer.h"
#include "zcad/text.h"

namespace zcad::dxf {

namespace {

void writeVar(Out& out, std::string_view name) { out.raw(9, name); }

// Groups a record of each host table must have; a record the host made
// may lack some. A linetype's description may be empty.
std::vector<OwnedGroup> requiredGroups(std::size_t table) {
    TableRecord defaults = table == 0 ? defaultLayer("") : table == 1 ? defaultStyle("") : continuousLinetype();
    std::erase_if(defaults.groups, [](const OwnedGroup& g) { return g.code == 2; });
    if (table == 2) defaults.set(OwnedGroup::string(3, ""));
    return std::move(defaults.groups);
}

bool hasCode(const std::vector<OwnedGroup>& groups, int code) {
    return std::any_of(groups.begin(), groups.end(), [code](const OwnedGroup& g) { return g.code == code; });
}

void writeRecordGroups(WriteContext& ctx, const std::vector<OwnedGroup>& groups, const AngleTable::Codes& angles) {
    bool extended = false;
    for (const auto& g : groups) {
        if (g.code == 1001) extended = true;
        if (ctx.toR12 && !keptInR12(g.code)) continue;
        const bool angle = !extended && isAngleCode(angles, g.code);
        ctx.out.group(g.view(), angle);
    }
}

}  // namespace

void writeHeader(WriteContext& ctx) {
    Out& out = ctx.out;
    const bool r12 = !ctx.laterThanR12;
    const bool viewVars = r12 && ctx.db.view.set;
    out.raw(0, "SECTION");
    out.raw(2, "HEADER");
    if (ctx.kept) {
        for (const RawRange& comment : ctx.kept->headerComments) writeKeptRange(ctx, comment);
    }
    writeVar(out, "$ACADVER");
    const bool ownName = ctx.kept && !ctx.converted;
    out.raw(1, ownName ? std::string_view(ctx.kept->acadver) : std::string_view(acadverOf(ctx.version)));
    bool codepage = false, seed = false, extMin = false, extMax = false, viewCtr = false, viewSize = false;
    bool handling = false;
    for (const auto& var : ctx.db.header()) {
        const std::string_view name = var.name;
        // A variable written anew keeps the comments that followed it.
        const auto comments = [&out, &var] {
            for (const auto& g : var.groups) {
                if (g.code == 999) out.owned(g);
            }
        };
        if (equalNoCase(name, "$ACADVER")) {
            comments();
            continue;
        }
        const bool r12Groups = std::all_of(var.groups.begin(), var.groups.end(),
                                           [](const OwnedGroup& g) { return keptInR12(g.code); });
        if (ctx.toR12 && (equalNoCase(name, "$HANDSEED") || !r12Groups)) continue;
        // A drawing without handles keeps its $HANDSEED as it was.
        if (ctx.handles && equalNoCase(name, "$HANDSEED")) {
            if (seed) continue;
            seed = true;
            writeVar(out, name);
            out.handle(5, ctx.nextHandle);
            comments();
            continue;
        }
        if (ctx.extents.changed && (equalNoCase(name, "$EXTMIN") || equalNoCase(name, "$EXTMAX"))) {
            const bool isMin = equalNoCase(name, "$EXTMIN");
            (isMin ? extMin : extMax) = true;
            writeVar(out, name);
            out.point(10, isMin ? ctx.extents.min : ctx.extents.max, false);
            comments();
            continue;
        }
        if (viewVars && equalNoCase(name, "$VIEWCTR")) {
            viewCtr = true;
            writeVar(out, name);
            out.point(12, ctx.db.view.centre, true);
            comments();
            continue;
        }
        if (viewVars && equalNoCase(name, "$VIEWSIZE")) {
            viewSize = true;
            writeVar(out, name);
            out.real(40, ctx.db.view.height);
            comments();
            continue;
        }
        if (equalNoCase(name, "$DWGCODEPAGE")) codepage = true;
        if (equalNoCase(name, "$HANDLING")) handling = true;
        writeVar(out, name);
        for (const auto& g : var.groups) out.owned(g);
    }
    if (!codepage && !ctx.kept) {
        writeVar(out, "$DWGCODEPAGE");
        out.raw(3, "ANSI_1252");
    }
    if (r12 && !ctx.kept && !handling) {
        writeVar(out, "$HANDLING");
        out.integer(70, 1);
    }
    if (ctx.handles && !seed) {
        writeVar(out, "$HANDSEED");
        out.handle(5, ctx.nextHandle);
    }
    if (ctx.extents.changed && !extMin) {
        writeVar(out, "$EXTMIN");
        out.point(10, ctx.extents.min, false);
    }
    if (ctx.extents.changed && !extMax) {
        writeVar(out, "$EXTMAX");
        out.point(10, ctx.extents.max, false);
    }
    if (viewVars && !viewCtr) {
        writeVar(out, "$VIEWCTR");
        out.point(12, ctx.db.view.centre, true);
    }
    if (viewVars && !viewSize) {
        writeVar(out, "$VIEWSIZE");
        out.real(40, ctx.db.view.height);
    }
    out.raw(0, "ENDSEC");
}

void writeHostTable(WriteContext& ctx, std::size_t index) {
    Out& out = ctx.out;
    const SymbolTable& table = hostTable(ctx.db, index);
    const auto& records = table.records();
    const std::string& name = table.name();
    out.raw(0, "TABLE");
    out.raw(2, name);
    if (!table.header.empty() && !ctx.upFromR12) {
        // The table's own groups as read; its count covers records added since.
        for (const auto& g : table.header) {
            if (ctx.toR12 && !keptInR12(g.code)) continue;
            if (g.code == 70) {
                out.integer(70, std::max<std::int64_t>(g.integer, static_cast<std::int64_t>(records.size())));
                continue;
            }
            out.owned(g);
        }
    } else {
        if (ctx.laterThanR12) {
            out.handle(5, ctx.tableHandles[index]);
            out.raw(330, "0");
            out.raw(100, "AcDbSymbolTable");
        }
        out.integer(70, static_cast<std::int64_t>(records.size()));
    }
    writeHostRecords(ctx, index);
    out.raw(0, "ENDTAB");
}

void writeHostRecords(WriteContext& ctx, std::size_t index) {
    Out& out = ctx.out;
    const SymbolTable& table = hostTable(ctx.db, index);
    const auto& records = table.records();
    const std::string& name = table.name();
    const auto& angles = ctx.angles.of(name);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TableRecord& record = records[i];
        out.raw(0, name);
        // R12 records carry a handle only when the file gave them one.
        const bool handled = ctx.laterThanR12 || (ctx.handles && record.handle);
        if (handled) out.handle(5, ctx.recordHandles[index][i]);
        const bool madeByHost = !hasCode(record.groups, 100);
        if (ctx.laterThanR12 && madeByHost) {
            if (ctx.tableHandles[index]) out.handle(330, ctx.tableHandles[index]);
            out.raw(100, "AcDbSymbolTableRecord");
            out.raw(100, recordSubclass(name));
        }
        writeRecordGroups(ctx, record.groups, angles);
        // A record written without its handle reads back as one the host
        // made, so it gets what such a record must have now.
        const bool isNew = record.handle == 0 || !handled || (ctx.laterThanR12 && madeByHost);
        if (!isNew) continue;
        for (const auto& g : requiredGroups(index)) {
            if (!hasCode(record.groups, g.code)) out.owned(g);
        }
    }
}

void writeKept(WriteContext& ctx, int code, std::string_view value) {
    if (ctx.toR12 && !keptInR12(code)) return;
    if (!ctx.converted || ctx.kept->encoding == ctx.out.encoding() || groupKind(code) != GroupKind::String) {
        return ctx.out.raw(code, value);
    }
    ctx.out.text(code, decodeText(value, ctx.kept->encoding, ctx.scratch));
}

void writeKeptRange(WriteContext& ctx, const RawRange& range) {
    const RawStore& raw = ctx.kept->raw;
    for (std::size_t i = range.first; i < range.first + range.count; ++i) writeKept(ctx, raw.code(i), raw.value(i));
}

void writeKeptTable(WriteContext& ctx, const KeptTable& table) {
    Out& out = ctx.out;
    const RawStore& raw = ctx.kept->raw;
    out.raw(0, "TABLE");
    out.raw(2, table.name);
    const bool setView = table.name == "VPORT" && ctx.db.view.set;
    bool active = false;
    for (std::size_t i = table.raw.first; i < table.raw.first + table.raw.count; ++i) {
        const int code = raw.code(i);
        const std::string_view value = raw.value(i);
        if (code == 0) active = false;
        if (code == 2) active = equalNoCase(trimmed(value), "*ACTIVE");
        // The view the host's zoom left is the active viewport's.
        if (setView && active && code == 12) {
            out.real(12, ctx.db.view.centre[0]);
            continue;
        }
        if (setView && active && code == 22) {
            out.real(22, ctx.db.view.centre[1]);
            continue;
        }
        if (setView && active && code == 40) {
            out.real(40, ctx.db.view.height);
            continue;
        }
        writeKept(ctx, code, value);
    }
    out.raw(0, "ENDTAB");
}

}  // namespace zcad::dxf
