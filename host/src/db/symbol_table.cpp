#include <algorithm>

#include "zcad/database.h"
#include "zcad/text.h"

namespace zcad {

std::string_view TableRecord::name() const {
    const OwnedGroup* g = find(2);
    return g ? std::string_view(g->text) : std::string_view();
}

const OwnedGroup* TableRecord::find(int code) const {
    for (const auto& g : groups) {
        if (g.code == code) return &g;
    }
    return nullptr;
}

void TableRecord::set(const OwnedGroup& value) {
    for (auto& g : groups) {
        if (g.code == value.code) {
            g = value;
            return;
        }
    }
    groups.push_back(value);
}

TableRecord* SymbolTable::find(std::string_view recordName) {
    const auto it = index_.find(upperCase(recordName));
    return it == index_.end() ? nullptr : &records_[it->second];
}

const TableRecord* SymbolTable::find(std::string_view recordName) const {
    const auto it = index_.find(upperCase(recordName));
    return it == index_.end() ? nullptr : &records_[it->second];
}

// A drawing may hold records of one name (the unnamed styles of shape
// files, above all); each is its own record that others point to by
// handle, so none replaces another. The name finds the first.
TableRecord& SymbolTable::add(TableRecord record) {
    records_.push_back(std::move(record));
    index_.emplace(upperCase(records_.back().name()), records_.size() - 1);
    return records_.back();
}

void SymbolTable::reindex() {
    index_.clear();
    for (std::size_t i = 0; i < records_.size(); ++i) index_.emplace(upperCase(records_[i].name()), i);
}

namespace {

// Checked for the layer of every entity made.
struct ForbiddenChars {
    bool of[256] = {};
    constexpr ForbiddenChars() {
        for (int c = 0; c < 0x20; ++c) of[c] = true;
        for (const char c : std::string_view("<>/\\\":;?*|,=`")) of[static_cast<unsigned char>(c)] = true;
    }
};

constexpr ForbiddenChars kForbidden;

}  // namespace

bool isValidSymbolName(std::string_view name) {
    if (name.empty() || name.size() > 255) return false;
    return std::none_of(name.begin(), name.end(), [](char c) { return kForbidden.of[static_cast<unsigned char>(c)]; });
}

}  // namespace zcad
