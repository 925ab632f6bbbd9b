// Between result-buffer lists and stored group lists.
#pragma once

#include <string>
#include <vector>

#include "arx/adsdef.h"
#include "zcad/database.h"

namespace zcad {

// An entity list from a caller, checked and encoded. Reused between calls
// so that making entities does not allocate once warmed up.
struct ParsedList {
    std::string type;   // upper case
    std::string layer;  // group 8, or the current layer
    // What the last list gave, so that a run of lists of one type on one
    // layer upper-cases and checks them once.
    std::string givenType;
    bool layerValid = false;
    // Their numbers in the name pool, looked up once for the run.
    std::uint32_t typeNumber = detail::kNotPooled;
    std::uint32_t layerNumber = detail::kNotPooled;
    std::vector<Group> groups;  // views into the caller's list
    // The encoded list is the first `used` bytes; the buffer only grows, so
    // a warmed-up list is encoded without zeroing or reallocating.
    std::vector<std::uint8_t> buffer;
    std::size_t used = 0;

    std::span<const std::uint8_t> bytes() const { return {buffer.data(), used}; }

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
