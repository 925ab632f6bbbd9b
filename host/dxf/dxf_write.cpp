// Writing a database as DXF: a loaded drawing in its own release with what
// it kept, a new one built from scratch.
#include <algorithm>

#include "dxf_version.h"
#include "dxf_writer.h"
#include "zcad/dxf.h"
#include "zcad/text.h"

namespace zcad {

namespace dxf {
namespace {

// Pieces handed to a caller's function, one at a time, and used again.
class FunctionSink final : public PieceSink {
public:
    FunctionSink(PiecePool& pool, const std::function<bool(std::string_view)>& sink) : pool_(pool), sink_(sink) {}
    bool take(Piece piece) override {
        const bool taken = sink_(piece.view());
        pool_.put(std::move(piece));
        return taken;
    }

private:
    PiecePool& pool_;
    const std::function<bool(std::string_view)>& sink_;
};

void writeSectionStart(Out& out, std::string_view name) {
    out.raw(0, "SECTION");
    out.raw(2, name);
}

bool isR12Table(std::string_view name) {
    for (const char* table : {"VPORT", "LTYPE", "LAYER", "STYLE", "VIEW", "UCS", "APPID", "DIMSTYLE"}) {
        if (equalNoCase(name, table)) return true;
    }
    return false;
}

// A kept section written as R12: blocks converted entity by entity, and
// sections R12 has no place for (classes, objects, thumbnail) dropped.
void writeSectionR12(WriteContext& ctx, const KeptItem& item) {
    if (!equalNoCase(item.name, "BLOCKS")) {
        ctx.tally.dropped("section " + upperCase(item.name));
        return;
    }
    writeSectionStart(ctx.out, item.name);
    writeKeptR12(ctx, item.raw);
    ctx.out.raw(0, "ENDSEC");
}

void writeTables(WriteContext& ctx) {
    writeSectionStart(ctx.out, "TABLES");
    // Host tables the file did not have come first: LTYPE before LAYER.
    for (const std::size_t index : {std::size_t{2}, std::size_t{0}, std::size_t{1}}) {
        const auto& name = hostTable(ctx.db, index).name();
        const bool inFile = std::any_of(ctx.kept->tables.begin(), ctx.kept->tables.end(),
                                        [&](const KeptTable& t) { return t.name == name; });
        if (!inFile && !hostTable(ctx.db, index).records().empty()) writeHostTable(ctx, index);
    }
    std::array<bool, 3> written{};
    for (const auto& table : ctx.kept->tables) {
        if (table.comment) {
            writeKeptRange(ctx, table.raw);
            continue;
        }
        if (!table.inDatabase) {
            if (ctx.toR12 && !isR12Table(table.name)) {
                ctx.tally.dropped("table " + table.name);
                continue;
            }
            writeKeptTable(ctx, table);
            continue;
        }
        const std::size_t index = hostTableIndex(table.name);
        if (index >= 3 || written[index]) continue;
        written[index] = true;
        writeHostTable(ctx, index);
    }
    ctx.out.raw(0, "ENDSEC");
}

void writeEntities(WriteContext& ctx) {
    writeSectionStart(ctx.out, "ENTITIES");
    writeAllEntities(ctx);
    ctx.out.raw(0, "ENDSEC");
}

bool hasItem(const DxfKept& kept, ItemKind kind) {
    return std::any_of(kept.items.begin(), kept.items.end(), [kind](const KeptItem& i) { return i.kind == kind; });
}

// The file's sections in their order, with the host's parts where they stood;
// parts the file lacked but the drawing now needs are added.
std::vector<KeptItem> sectionOrder(const WriteContext& ctx) {
    std::vector<KeptItem> items = ctx.kept->items;
    const auto firstSection = [&items] {
        return std::find_if(items.begin(), items.end(), [](const KeptItem& i) { return i.kind != ItemKind::Comment; });
    };
    if (!hasItem(*ctx.kept, ItemKind::Header) && !ctx.db.header().empty()) {
        items.insert(firstSection(), {ItemKind::Header, "HEADER", {}});
    }
    const bool anyRecords = !ctx.db.layers().records().empty() || !ctx.db.styles().records().empty() ||
                            !ctx.db.linetypes().records().empty();
    if (!hasItem(*ctx.kept, ItemKind::Tables) && anyRecords) {
        auto at = std::find_if(items.begin(), items.end(), [](const KeptItem& i) {
            return i.kind == ItemKind::Section || i.kind == ItemKind::Entities;
        });
        items.insert(at, {ItemKind::Tables, "TABLES", {}});
    }
    if (!hasItem(*ctx.kept, ItemKind::Entities)) {
        auto at = std::find_if(items.begin(), items.end(), [](const KeptItem& i) {
            return i.kind == ItemKind::Section &&
                   (equalNoCase(i.name, "OBJECTS") || equalNoCase(i.name, "THUMBNAILIMAGE") ||
                    equalNoCase(i.name, "ACDSDATA"));
        });
        items.insert(at, {ItemKind::Entities, "ENTITIES", {}});
    }
    return items;
}

void writeLoadedDrawing(WriteContext& ctx) {
    for (const auto& item : sectionOrder(ctx)) {
        switch (item.kind) {
        case ItemKind::Header:
            writeHeader(ctx);
            break;
        case ItemKind::Tables:
            writeTables(ctx);
            break;
        case ItemKind::Entities:
            writeEntities(ctx);
            break;
        case ItemKind::Section:
            if (ctx.toR12) {
                writeSectionR12(ctx, item);
                break;
            }
            writeSectionStart(ctx.out, item.name);
            writeKeptRange(ctx, item.raw);
            ctx.out.raw(0, "ENDSEC");
            break;
        case ItemKind::Comment:
            writeKeptRange(ctx, item.raw);
            break;
        }
    }
    ctx.out.raw(0, "EOF");
}

}  // namespace

bool writeDrawing(const Database& db, const DxfVersion* version, PiecePool& pool, PieceSink& sink,
                  std::vector<std::string>* converted) {
    const auto* kept = dynamic_cast<const DxfKept*>(db.kept.get());
    DxfVersion release = kept ? kept->version : version ? *version : DxfVersion::R12;
    if (kept && version && convertsTo(*kept, *version)) release = *version;
    // Up from R12 the drawing is built anew around its tables and entities.
    const bool up = kept && !kept->laterThanR12 && release != DxfVersion::R12;
    WriteContext ctx(db, up ? nullptr : kept, release, pool, &sink);
    ctx.upFromR12 = up;
    if (up) tallyLeftInR12(*kept, ctx.tally);
    planHandles(ctx);
    computeExtents(ctx);
    if (kept && !up) {
        writeLoadedDrawing(ctx);
    } else {
        writeNewDrawing(ctx);
    }
    if (converted) *converted = ctx.tally.lines();
    return ctx.out.flush();
}

}  // namespace dxf

bool writeDxfTo(const Database& db, const DxfVersion* version, const std::function<bool(std::string_view)>& sink) {
    dxf::PiecePool pool;
    dxf::FunctionSink pieces(pool, sink);
    return dxf::writeDrawing(db, version, pool, pieces);
}

std::string writeDxfText(const Database& db, const DxfVersion* version) {
    std::string text;
    // Lists hold about a third of what their text takes.
    text.reserve(db.bytesHeld() * 3 + 65536);
    writeDxfTo(db, version, [&text](std::string_view bytes) {
        text.append(bytes);
        return true;
    });
    return text;
}

}  // namespace zcad
