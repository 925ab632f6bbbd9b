// The short-name rule: the "Restrict File Name Length" setting, read from
// the module's live settings each time a job name edit needs it.
#pragma once

#include <functional>

// Where the rule is read from; by default the setting's own default (on).
void zaSetShortNameRuleSource(std::function<bool()> source);
bool zaShortNameRule();
