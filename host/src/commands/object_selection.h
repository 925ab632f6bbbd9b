// The "Select objects:" stage of MOVE and CHANGE: words add entities until
// an empty word ends it.
#pragma once

#include <vector>

#include "host_command.h"
#include "zcad/database.h"

namespace zcad::commands {

class ObjectSelection {
public:
    static constexpr const char* kPrompt = "Select objects: ";

    // More while selecting; Done when an empty word ended a selection that
    // holds something (it becomes the previous selection); Failed when it
    // ended empty; Rejected for a word that selects nothing it knows.
    Step feed(const Word& word);
    const std::vector<EntityId>& entities() const { return chosen_; }

private:
    void add(EntityId id);
    void addSelectable(EntityId id);  // one known to be in the drawing and selectable
    std::vector<EntityId> chosen_;  // in the order chosen
    std::vector<bool> chosenMarks_;  // by id
};

}  // namespace zcad::commands
