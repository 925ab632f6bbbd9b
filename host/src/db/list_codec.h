// Between result-buffer lists and stored group lists.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "arx/adsdef.h"
#include "zcad/database.h"

namespace zcad {

// An entity list from a caller, checked and encoded. Reused between calls
// so that making entities does not allocate once warmed up.
struct ParsedList {
    // A type as given, upper-cased and with its number in the name pool.
    struct KnownType {
        std::string given;
        std::string upper;
        std::uint32_t number = detail::kNotPooled;
    };

    std::string_view type;  // upper case, held by knownTypes
    std::uint32_t typeNumber = detail::kNotPooled;
    std::string layer;  // group 8, or the current layer
    std::uint32_t layerNumber = detail::kNotPooled;
    // Entities come in runs of one layer and of a few types in turn (a
    // polyline's POLYLINE, VERTEX and SEQEND): each is checked once a run.
    std::array<KnownType, 4> knownTypes;
    std::size_t nextKnown = 0;
    bool layerValid = false;
    std::vector<Group> groups;  // views into the caller's list
    // The encoded list is the first `used` bytes; the buffer only grows, so
    // a warmed-up list is encoded without zeroing or reallocating.
    std::vector<std::uint8_t> buffer;
    std::size_t used = 0;

    std::span<const std::uint8_t> bytes() const { return {buffer.data(), used}; }

    // The last list parsed, node by node, so that the same list made again
    // with new values (as callers keep one list per kind of entity) has
    // its values written into the last encoding instead of parsed anew.
    struct Node {
        static constexpr std::uint32_t kNoGroup = 0xFFFFFFFF;
        int restype = 0;
        std::uint32_t group = kNoGroup;  // in `groups`; none for a skipped node
        std::uint32_t valueAt = 0;       // in `buffer`, past the code word
        bool zero = false;               // a value kept as its code word alone
        std::string text;                // a text as it was
    };
    const resbuf* shapeHead = nullptr;  // the type's node; null when there is no shape
    std::string shapeType;              // its text as it was
    std::size_t shapeNodes = 0;         // in `shape`, which keeps spare nodes for their texts
    std::vector<Node> shape;
    // Counts the lists parsed in full: what a caller worked out from a
    // list's shape holds for every list until this changes.
    std::uint64_t shapeSerial = 0;

    bool has(int code) const;
    double real(int code, double fallback) const;
    std::int64_t integer(int code, std::int64_t fallback) const;
    std::string_view text(int code) const;
};

// Encodes `list` (group 0 or RTDXF0 first; -1 allowed before it) as
// 0 type, 8 layer, then the rest in order, without -1, 5, 330 and 100.
// False for a list the host cannot take.
bool parseEntityList(const Database& db, const resbuf* list, ParsedList& parsed);

// The list of a stored entity, as acdbEntGet returns it: -1, 0, 5, rest.
resbuf* entityToResbuf(const Database& db, EntityId id);
// A table record as acdbTblSearch returns it: 0, 2, 70, the rest.
resbuf* tableRecordToResbuf(const SymbolTable& table, const TableRecord& record);
// One group as a result buffer.
resbuf* groupToResbuf(const Group& g);

}  // namespace zcad
