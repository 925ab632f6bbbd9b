#include "table_defaults.h"

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

TableRecord* ensureLayer(Database& db, std::string_view name) {
    if (TableRecord* existing = db.layers().find(name)) return existing;
    if (!isValidSymbolName(name)) return nullptr;
    return &db.layers().add(defaultLayer(name));
}

}  // namespace zcad
