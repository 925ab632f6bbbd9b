#include "session_state.h"

#include <vector>

namespace zcad {

namespace {

std::vector<void (*)()>& resets() {
    static std::vector<void (*)()> all;
    return all;
}

}  // namespace

void detail::addSessionReset(void (*reset)()) { resets().push_back(reset); }

void resetSession() {
    // Newest first, as destructors run.
    for (auto it = resets().rbegin(); it != resets().rend(); ++it) (*it)();
}

}  // namespace zcad
