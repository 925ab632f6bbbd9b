#include "short_name_rule.h"

namespace {

std::function<bool()>& source() {
    static std::function<bool()> s;
    return s;
}

}  // namespace

void zaSetShortNameRuleSource(std::function<bool()> s) { source() = std::move(s); }

bool zaShortNameRule() {
    const auto& s = source();
    return s ? s() : true;
}
