#include "entity_edit.h"

#include <algorithm>

namespace zcad::shapes {

// MOVE and CHANGE edit entities by the million: the decoded groups and the
// encoded bytes reuse the storage of the entity before.
EntityEdit::EntityEdit(const Database& db, EntityId id) {
    thread_local std::vector<Group> decoded;
    decodeGroups(db.list(id), decoded);
    groups_.reserve(decoded.size());
    for (const Group& g : decoded) groups_.push_back(OwnedGroup::of(g));
    if (!groups_.empty() && groups_.front().code == 0) type_ = groups_.front().text;
}

OwnedGroup* EntityEdit::find(int code) {
    const auto it = std::find_if(groups_.begin(), groups_.end(), [&](const OwnedGroup& g) { return g.code == code; });
    return it == groups_.end() ? nullptr : &*it;
}

namespace {

bool isCommonPropertyCode(int code) {
    return code == 6 || code == 48 || code == 60 || code == 62 || code == 67 || code == 370 || code == 420 ||
           code == 440;
}

std::size_t placeFor(const std::vector<OwnedGroup>& groups, int code) {
    auto indexOf = [&](int wanted) {
        const auto it = std::find_if(groups.begin(), groups.end(), [&](const OwnedGroup& g) { return g.code == wanted; });
        return static_cast<std::size_t>(it - groups.begin());
    };
    if (isCommonPropertyCode(code)) {
        const std::size_t layer = indexOf(8);
        return layer < groups.size() ? layer + 1 : std::min<std::size_t>(1, groups.size());
    }
    if (code == 38 || code == 39) return indexOf(10);
    if (code == 10) return indexOf(70);
    return groups.size();
}

}  // namespace

void EntityEdit::set(const OwnedGroup& g) {
    if (OwnedGroup* existing = find(g.code)) {
        *existing = g;
        return;
    }
    const auto at = static_cast<std::ptrdiff_t>(placeFor(groups_, g.code));
    groups_.insert(groups_.begin() + at, g);
}

void EntityEdit::erase(int code) {
    std::erase_if(groups_, [&](const OwnedGroup& g) { return g.code == code; });
}

void EntityEdit::commit(Database& db, EntityId id) const {
    thread_local std::vector<std::uint8_t> bytes;
    bytes.clear();
    GroupWriter writer(bytes);
    for (const OwnedGroup& g : groups_) writer.group(g.view());
    db.replace(id, bytes);
}

}  // namespace zcad::shapes
