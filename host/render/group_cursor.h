// Reads an entity's groups in order, for the kinds whose structure is the
// order of their groups (hatch boundaries, meshes, leaders).
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "view.h"
#include "zcad/group_list.h"

namespace zcad::render {

class GroupCursor {
public:
    explicit GroupCursor(const std::vector<Group>& groups, std::size_t at = 0) : groups_(groups), at_(at) {}

    bool done() const { return at_ >= groups_.size(); }
    const Group& peek() const { return groups_[at_]; }
    const Group& next() { return groups_[at_++]; }
    // The next group when it has this code.
    const Group* take(int code) {
        if (at_ < groups_.size() && groups_[at_].code == code) return &groups_[at_++];
        return nullptr;
    }
    bool skipTo(int code) {
        while (at_ < groups_.size() && groups_[at_].code != code) ++at_;
        return at_ < groups_.size();
    }
    double real(int code, double fallback) {
        const Group* g = take(code);
        return g && std::isfinite(g->real()) ? g->real() : fallback;
    }
    std::int64_t integer(int code, std::int64_t fallback) {
        const Group* g = take(code);
        return g ? g->integer : fallback;
    }
    bool point(int code, P2& p) {
        const Group* g = take(code);
        if (!g || !std::isfinite(g->xyz[0]) || !std::isfinite(g->xyz[1])) return false;
        p = {g->xyz[0], g->xyz[1]};
        return true;
    }

private:
    const std::vector<Group>& groups_;
    std::size_t at_;
};

}  // namespace zcad::render
