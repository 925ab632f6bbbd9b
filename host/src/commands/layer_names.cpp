#include "layer_names.h"

#include <algorithm>

#include "arx/acedads.h"
#include "host_command.h"
#include "word.h"
#include "zcad/text.h"

namespace zcad::commands {

namespace {

std::vector<std::string_view> items(std::string_view list) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (;;) {
        const auto comma = list.find(',', start);
        const auto item = trimmed(list.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (!item.empty()) out.push_back(item);
        if (comma == std::string_view::npos) return out;
        start = comma + 1;
    }
}

void addOnce(std::vector<TableRecord*>& out, TableRecord* record) {
    if (std::find(out.begin(), out.end(), record) == out.end()) out.push_back(record);
}

}  // namespace

void printLayerNotFound(std::string_view name) { printMessage("Cannot find layer \"" + std::string(name) + "\"."); }

std::vector<TableRecord*> layersNamed(Database& db, std::string_view list) {
    std::vector<TableRecord*> out;
    for (const std::string_view item : items(list)) {
        if (TableRecord* exact = db.layers().find(item)) {
            addOnce(out, exact);
            continue;
        }
        const std::string pattern = upperCase(item);
        bool found = false;
        for (TableRecord& record : db.layers().records()) {
            if (acutWcMatch(upperCase(record.name()).c_str(), pattern.c_str()) != RTNORM) continue;
            addOnce(out, &record);
            found = true;
        }
        if (!found) printLayerNotFound(item);
    }
    return out;
}

std::string currentLayerName(const Database& db) {
    const HeaderVar* var = db.headerVar("$CLAYER");
    if (!var || var->groups.empty()) return "0";
    return var->groups.front().text;
}

void setCurrentLayer(Database& db, std::string_view name) { db.setHeaderVar("$CLAYER", {OwnedGroup::string(8, name)}); }

}  // namespace zcad::commands
