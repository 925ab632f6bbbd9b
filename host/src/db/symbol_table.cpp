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

TableRecord& SymbolTable::add(TableRecord record) {
    const std::string key = upperCase(record.name());
    if (const auto it = index_.find(key); it != index_.end()) {
        records_[it->second] = std::move(record);
        return records_[it->second];
    }
    records_.push_back(std::move(record));
    index_.emplace(key, records_.size() - 1);
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
