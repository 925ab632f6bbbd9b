// Whether two databases hold the same values: the check that a drawing
// saved and read again lost or changed nothing. Used by tests and fuzzing.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "zcad/database.h"
#include "zcad/group_list.h"

namespace zcad::test {

inline bool sameGroup(const Group& a, const Group& b) {
    if (a.code != b.code || a.kind != b.kind) return false;
    switch (a.kind) {
    case GroupKind::String:
        return a.text == b.text;
    case GroupKind::Real:
        return std::memcmp(a.xyz, b.xyz, sizeof(double)) == 0;
    case GroupKind::Point:
        // A point written without z reads back with z 0 either way.
        return a.flat == b.flat && std::memcmp(a.xyz, b.xyz, sizeof a.xyz) == 0;
    default:
        return a.integer == b.integer;
    }
}

inline std::string describe(const Group& g) {
    std::string out = "group " + std::to_string(g.code) + " ";
    if (g.kind == GroupKind::String) return out + "\"" + std::string(g.text) + "\"";
    if (g.kind == GroupKind::Real || g.kind == GroupKind::Point) {
        char text[80];
        std::snprintf(text, sizeof text, "%.17g %.17g %.17g", g.xyz[0], g.xyz[1], g.xyz[2]);
        return out + text;
    }
    return out + std::to_string(g.integer);
}

// Owners (330) and subclass markers (100) that a later release requires
// may be added on saving, and comments (999) between entities may join the
// entity before them; nothing else.
inline bool mayBeAdded(const Group& g) { return g.code == 330 || g.code == 100 || g.code == 999; }

inline std::string inOrder(const std::vector<Group>& a, const std::vector<Group>& b) {
    std::size_t j = 0;
    for (std::size_t i = 0; i < a.size() || j < b.size(); ++i, ++j) {
        while (j < b.size() && mayBeAdded(b[j]) && (i >= a.size() || !sameGroup(a[i], b[j]))) ++j;
        if (i >= a.size() && j >= b.size()) break;
        if (i >= a.size()) return "extra " + describe(b[j]);
        if (j >= b.size()) return "lost " + describe(a[i]);
        if (!sameGroup(a[i], b[j])) return describe(a[i]) + " became " + describe(b[j]);
    }
    return {};
}

// The groups of each code in their order, whatever the order of codes.
inline std::vector<Group> byCode(std::vector<Group> groups) {
    std::erase_if(groups, mayBeAdded);
    std::stable_sort(groups.begin(), groups.end(), [](const Group& x, const Group& y) { return x.code < y.code; });
    return groups;
}

inline std::string firstDifference(const std::vector<Group>& a, const std::vector<Group>& b) {
    const std::string strict = inOrder(a, b);
    if (strict.empty()) return strict;
    // Groups without subclass markers are sorted into subclasses on saving.
    const bool marked = std::any_of(a.begin(), a.end(), [](const Group& g) { return g.code == 100; });
    if (marked) return strict;
    return inOrder(byCode(a), byCode(b));
}

inline std::vector<Group> views(const std::vector<OwnedGroup>& groups) {
    std::vector<Group> out;
    out.reserve(groups.size());
    for (const auto& g : groups) out.push_back(g.view());
    return out;
}

// Empty when every entity (its groups and, where `a` had one, its handle)
// and every record of the host's tables read back the same; else the first
// difference.
inline std::string firstDifference(const Database& a, const Database& b) {
    if (a.entityCount() != b.entityCount()) {
        return std::to_string(a.entityCount()) + " entities became " + std::to_string(b.entityCount());
    }
    for (EntityId id = 0; id < a.entityCount(); ++id) {
        const std::string why = firstDifference(decodeGroups(a.list(id)), decodeGroups(b.list(id)));
        if (!why.empty()) return "entity " + std::to_string(id) + ": " + why;
        if (a.handle(id) && a.handle(id) != b.handle(id)) return "entity " + std::to_string(id) + ": handle changed";
    }
    const SymbolTable* tablesA[] = {&a.layers(), &a.styles(), &a.linetypes()};
    const SymbolTable* tablesB[] = {&b.layers(), &b.styles(), &b.linetypes()};
    for (std::size_t t = 0; t < 3; ++t) {
        const std::string& name = tablesA[t]->name();
        const auto& ra = tablesA[t]->records();
        const auto& rb = tablesB[t]->records();
        if (ra.size() != rb.size()) {
            return name + ": " + std::to_string(ra.size()) + " records became " + std::to_string(rb.size());
        }
        for (std::size_t i = 0; i < ra.size(); ++i) {
            if (ra[i].handle && ra[i].handle != rb[i].handle) return name + ": a handle changed";
            // A record may gain the groups its table requires.
            std::vector<Group> gained = views(rb[i].groups);
            std::erase_if(gained, [&](const Group& g) {
                return std::none_of(ra[i].groups.begin(), ra[i].groups.end(),
                                    [&](const OwnedGroup& h) { return h.code == g.code; });
            });
            const std::string why = firstDifference(views(ra[i].groups), gained);
            if (!why.empty()) return name + " " + std::string(ra[i].name()) + ": " + why;
        }
    }
    return {};
}

}  // namespace zcad::test
