// acedSSGet and acedEntSel: selection lines read through the line protocol.
#include <algorithm>
#include <cstdio>
#include <string>

#include "arx/acedads.h"
#include "db/entity_names.h"
#include "geom/wildcard.h"
#include "picking.h"
#include "prompt_state.h"
#include "selection_sets.h"
#include "text/number_text.h"
#include "zcad/console.h"
#include "zcad/entity_shape.h"
#include "zcad/selection.h"
#include "zcad/text.h"

using namespace zcad;

namespace {

// The caller's filter: entity type (group 0) and layer (group 8) patterns.
struct Filter {
    std::string type;
    std::string layer;
    geom::WildcardPattern typePattern;
    geom::WildcardPattern layerPattern;
    bool valid = true;

    explicit Filter(const resbuf* list) {
        for (; list; list = list->rbnext) {
            const bool text = list->restype == 0 || list->restype == RTDXF0 || list->restype == 8;
            if (!text || !list->resval.rstring) {
                valid = false;
                continue;
            }
            (list->restype == 8 ? layer : type) = upperCase(list->resval.rstring);
        }
        // Parsed once for the whole set, not once for each entity.
        typePattern.assign(type);
        layerPattern.assign(layer);
    }

    bool accepts(const Database& db, EntityId id) const {
        if (!type.empty() && !typePattern.matches(db.type(id))) return false;
        if (layer.empty()) return true;
        return layerPattern.matches(upperCase(layerOf(db, id)));
    }

    static std::string layerOf(const Database& db, EntityId id) {
        GroupReader reader(db.list(id));
        Group g;
        while (reader.next(g)) {
            if (g.code == 8) return std::string(g.text);
        }
        return "0";
    }
};

struct Corners {
    double low[2];
    double high[2];
};

Corners cornersOf(const double* a, const double* b) {
    return {{std::min(a[0], b[0]), std::min(a[1], b[1])}, {std::max(a[0], b[0]), std::max(a[1], b[1])}};
}

bool insideWindow(const Box& box, const Corners& w) {
    return !box.empty() && box.min[0] >= w.low[0] && box.max[0] <= w.high[0] && box.min[1] >= w.low[1] &&
           box.max[1] <= w.high[1];
}

bool crossesWindow(const Box& box, const Corners& w) {
    return !box.empty() && box.min[0] <= w.high[0] && box.max[0] >= w.low[0] && box.min[1] <= w.high[1] &&
           box.max[1] >= w.low[1];
}

std::vector<EntityId> byWindow(const Database& db, const Corners& w, bool crossing) {
    std::vector<EntityId> found;
    for (const EntityId id : selectableEntities(db)) {
        const Box box = entityExtents(db, id);
        if (crossing ? crossesWindow(box, w) : insideWindow(box, w)) found.push_back(id);
    }
    return found;
}

// Members of the previous selection that are still there and selectable.
std::vector<EntityId> previousInDrawing(const Database& db) {
    if (previousSelectionCurrent(db)) return previousSelection();
    std::vector<EntityId> found;
    for (const EntityId id : previousSelection()) {
        if (isSelectable(db, id)) found.push_back(id);
    }
    return found;
}

std::vector<EntityId> lastEntity(const Database& db) {
    const auto all = selectableEntities(db);
    if (all.empty()) return {};
    return {all.back()};
}

void addMembers(std::vector<EntityId>& set, const std::vector<EntityId>& found, const Filter& filter,
                const Database& db) {
    // Marked by id: selecting every entity of a large drawing must not cost
    // the square of its size.
    std::vector<bool> member(db.entityCount(), false);
    for (const EntityId id : set) {
        if (id < member.size()) member[id] = true;
    }
    int added = 0;
    for (const EntityId id : found) {
        if (!db.valid(id) || member[id] || !filter.accepts(db, id)) continue;
        member[id] = true;
        set.push_back(id);
        ++added;
    }
    char note[48];
    std::snprintf(note, sizeof note, "%d found\n", added);
    writeOutput(note);
}

int finishSet(std::vector<EntityId> members, ads_name set) {
    if (members.empty()) return RTERROR;
    setPreviousSelection(members, true);
    storeSet(std::move(members), set);
    return RTNORM;
}

int selectWithoutPrompt(const Database& db, std::string_view mode, const void* p1, const void* p2,
                        const Filter& filter, ads_name set) {
    std::vector<EntityId> found;
    if (mode == "X") {
        found = selectableEntities(db);
    } else if (mode == "L") {
        found = lastEntity(db);
    } else if (mode == "P") {
        found = previousInDrawing(db);
    } else if ((mode == "W" || mode == "C") && p1 && p2) {
        found = byWindow(db, cornersOf(static_cast<const double*>(p1), static_cast<const double*>(p2)), mode == "C");
    } else {
        return RTREJ;
    }
    std::vector<EntityId> members;
    for (const EntityId id : found) {
        if (db.valid(id) && filter.accepts(db, id)) members.push_back(id);
    }
    return finishSet(std::move(members), set);
}

}  // namespace

bool zcad::selectByLine(const Database& db, std::string_view line, std::vector<EntityId>& found) {
    const std::string_view text = trimmed(line);
    const std::size_t space = text.find(' ');
    const std::string word = upperCase(text.substr(0, space));
    const std::string_view rest = space == std::string_view::npos ? std::string_view() : trimmed(text.substr(space));
    if (word == "ALL" && rest.empty()) {
        found = selectableEntities(db);
        return true;
    }
    if (word == "L" && rest.empty()) {
        found = lastEntity(db);
        return true;
    }
    if (word == "P" && rest.empty()) {
        found = previousInDrawing(db);
        return true;
    }
    if ((word == "W" || word == "C") && !rest.empty()) {
        const std::size_t gap = rest.find(' ');
        double a[3], b[3];
        if (gap == std::string_view::npos || !parsePoint(rest.substr(0, gap), a) || !parsePoint(rest.substr(gap), b)) {
            return false;
        }
        found = byWindow(db, cornersOf(a, b), word == "C");
        return true;
    }
    if ((word == "LAYER" || word == "TYPE") && !rest.empty()) {
        found.clear();
        // The entities selectableEntities walks, the cheap test of the name
        // first: most of a large drawing is of another type or layer.
        const bool byType = word == "TYPE";
        for (EntityId id = db.next(kNoEntity); id != kNoEntity; id = db.next(sequenceEnd(db, id))) {
            const bool named = byType ? equalNoCase(db.type(id), rest) : equalNoCase(Filter::layerOf(db, id), rest);
            if (named && isSelectable(db, id)) found.push_back(id);
        }
        return true;
    }
    double point[3];
    if (!parsePoint(text, point)) return false;
    found.clear();
    const EntityId picked = pickNearest(db, point[0], point[1]);
    if (picked != kNoEntity) found.push_back(picked);
    return true;
}

int acedSSGet(const ACHAR* mode, const void* point1, const void* point2, const resbuf* filterList, ads_name set) {
    if (!set) return RTERROR;
    ads_name_clear(set);
    const Database& db = currentDatabase();
    const Filter filter(filterList);
    if (!filter.valid) return RTREJ;
    if (mode && *mode) {
        std::string m = upperCase(mode);
        if (m.front() == '_') m.erase(0, 1);
        return selectWithoutPrompt(db, m, point1, point2, filter, set);
    }
    std::vector<EntityId> members;
    for (;;) {
        const std::optional<std::string> line = readAnswer("Select objects: ");
        if (!line || isCancelLine(*line)) return RTCAN;
        if (trimmed(*line).empty()) break;
        std::vector<EntityId> found;
        if (!selectByLine(db, *line, found)) {
            writeOutput("*Invalid selection*\nExpects a point or ALL/L/P/W/C/LAYER/TYPE\n");
            noteScriptFault(ScriptFault::Refused, "*Invalid selection*: expects a point or ALL/L/P/W/C/LAYER/TYPE");
            continue;
        }
        addMembers(members, found, filter, db);
    }
    return finishSet(std::move(members), set);
}

int acedEntSel(const ACHAR* prompt, ads_name entity, ads_point pick) {
    if (!entity) return RTERROR;
    ads_name_clear(entity);
    const Database& db = currentDatabase();
    const PromptControl control = takePromptControl();
    for (;;) {
        const std::optional<std::string> line = readAnswer(prompt ? prompt : "\nSelect object: ");
        if (!line || isCancelLine(*line)) return RTCAN;
        if (trimmed(*line).empty()) return RTERROR;
        double point[3];
        if (!parsePoint(*line, point)) {
            // A keyword that acedInitGet offered answers instead of a pick.
            const std::string_view word = matchKeyword(control.keywords, *line);
            if (!word.empty()) {
                setLastKeyword(std::string(word));
                return RTKWORD;
            }
            writeOutput("\nInvalid point.\n");
            noteScriptFault(ScriptFault::Refused, "Invalid point.");
            continue;
        }
        const EntityId id = pickNearest(db, point[0], point[1]);
        if (id == kNoEntity) return RTERROR;
        makeEntityName(db, id, entity);
        if (pick) {
            pick[0] = point[0];
            pick[1] = point[1];
            pick[2] = point[2];
        }
        return RTNORM;
    }
}
