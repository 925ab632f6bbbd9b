// Shared state of one DXF write: the release, the handles given to what
// has none yet, owners, and the output buffer.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "dxf_groups.h"
#include "dxf_kept.h"
#include "dxf_out.h"
#include "dxf_r12.h"
#include "zcad/database.h"

namespace zcad::dxf {

struct Extents {
    bool changed = false;  // write $EXTMIN and $EXTMAX anew
    double min[3] = {1e20, 1e20, 1e20};
    double max[3] = {-1e20, -1e20, -1e20};
};

struct WriteContext {
    WriteContext(const Database& database, const DxfKept* keptContent, DxfVersion release, PiecePool& pool,
                 PieceSink* sink);

    const Database& db;
    const DxfKept* kept;  // null for a new drawing
    DxfVersion version;
    bool laterThanR12;
    bool handles;  // whether entities and records carry group 5
    // A loaded drawing written in another release: its kept text is
    // encoded anew, and $ACADVER names the new release.
    bool converted;
    // Read from R2000 or later, written as R12: groups and entity types
    // R12 lacks are converted or dropped, and counted in `tally`.
    bool toR12;
    // Read as R12, written in a later release: built like a new drawing,
    // with the applications its extended data names registered.
    bool upFromR12 = false;
    std::vector<std::string> applications;
    std::uint64_t firstApplication = 0;  // their handles follow on
    ConversionTally tally;
    PiecePool& pool;
    Out out;

    std::uint64_t nextHandle = 1;
    std::uint64_t allocate() { return nextHandle++; }

    // Owners: model space for new entities, the host's tables for new records.
    std::uint64_t modelSpace = 0;
    std::array<std::uint64_t, 3> tableHandles{};               // LAYER, STYLE, LTYPE
    std::array<std::vector<std::uint64_t>, 3> recordHandles;  // per record of each
    Extents extents;

    std::vector<Group> groups;  // decode buffer, reused
    std::string scratch;        // decoded text, reused
    AngleTable angles;
    std::uint64_t parent = 0;  // POLYLINE or INSERT whose followers come next
};

// The host's three tables, in the order the lead writes them.
const SymbolTable& hostTable(const Database& db, std::size_t index);
std::size_t hostTableIndex(std::string_view name);  // 3 when not one of them

void planHandles(WriteContext& ctx);
void computeExtents(WriteContext& ctx);

void writeHeader(WriteContext& ctx);
void writeHostTable(WriteContext& ctx, std::size_t index);
void writeHostRecords(WriteContext& ctx, std::size_t index);  // records only
void writeEntity(WriteContext& ctx, EntityId id);
// Every entity, with the kept paper-space ones and comments in their places.
void writeAllEntities(WriteContext& ctx);
// Threads that make the entities' text: 0 lets the drawing's size and the
// machine decide, 1 makes it in one pass. For tests.
void setEntityWriters(unsigned threads);
// Whether an entity of this type and groups is followed by VERTEX/ATTRIB
// entities that it owns, up to a SEQEND.
bool opensSequence(std::string_view type, const std::vector<Group>& groups);
// A kept group as the file spelt it, its text encoded anew when converted.
void writeKept(WriteContext& ctx, int code, std::string_view value);
void writeKeptRange(WriteContext& ctx, const RawRange& range);
void writeKeptTable(WriteContext& ctx, const KeptTable& table);

// An entity (its groups after the type) and kept entities, written as R12.
void writeEntityR12(WriteContext& ctx, std::string_view type, const std::vector<Group>& groups);
void writeKeptR12(WriteContext& ctx, const RawRange& range);

// A drawing that was not read from a file: every section built here.
void writeNewDrawing(WriteContext& ctx);

// The whole drawing, in pieces from `pool`, to `sink`; false when the sink
// refused one.
// `converted`, when given, receives what a conversion to another release
// converted or dropped, one line per kind.
bool writeDrawing(const Database& db, const DxfVersion* version, PiecePool& pool, PieceSink& sink,
                  std::vector<std::string>* converted = nullptr);

}  // namespace zcad::dxf
