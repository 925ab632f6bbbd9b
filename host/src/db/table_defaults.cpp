#include "table_defaults.h"

#include "state/session_state.h"
#include "zcad/text.h"

namespace zcad {

namespace {

TableRecord record(std::vector<OwnedGroup> groups) {
    TableRecord r;
    r.groups = std::move(groups);
    return r;
}

}  // namespace

TableRecord defaultLayer(std::string_view name) {
    return record({OwnedGroup::string(2, name), OwnedGroup::integral(70, 0), OwnedGroup::integral(62, 7),
                   OwnedGroup::string(6, "CONTINUOUS")});
}

TableRecord defaultStyle(std::string_view name) {
    return record({OwnedGroup::string(2, name), OwnedGroup::integral(70, 0), OwnedGroup::real(40, 0.0),
                   OwnedGroup::real(41, 1.0), OwnedGroup::real(50, 0.0), OwnedGroup::integral(71, 0),
                   OwnedGroup::real(42, 2.5), OwnedGroup::string(3, "txt"), OwnedGroup::string(4, "")});
}

TableRecord continuousLinetype() {
    return record({OwnedGroup::string(2, "CONTINUOUS"), OwnedGroup::integral(70, 0),
                   OwnedGroup::string(3, "Solid line"), OwnedGroup::integral(72, 65), OwnedGroup::integral(73, 0),
                   OwnedGroup::real(40, 0.0)});
}

namespace {

// Entities come in long runs on one layer: the record found last is tried
// before the table's index. Checked by name, it stays right whatever
// happened to the table or the drawing since.
struct LastLayer {
    std::size_t index = 0;
};

}  // namespace

TableRecord* ensureLayer(Database& db, std::string_view name) {
    auto& records = db.layers().records();
    std::size_t& last = sessionState<LastLayer>().index;
    if (last < records.size()) {
        const std::string_view lastName = records[last].name();
        if (lastName == name || equalNoCase(lastName, name)) return &records[last];
    }
    TableRecord* found = db.layers().find(name);
    if (!found) {
        if (!isValidSymbolName(name)) return nullptr;
        found = &db.layers().add(defaultLayer(name));
        db.noteChange();
    }
    last = static_cast<std::size_t>(found - records.data());
    return found;
}

}  // namespace zcad
