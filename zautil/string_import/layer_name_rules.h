// Layer names from plot codes and map values: upper-case letters, digits
// when wanted, and + - $ _; anything else ends the name.
#pragma once

#include <string>
#include <string_view>

struct ZaSettings;

namespace zastringimport {

struct LayerNameRules {
    bool endNameAtSpace = false;   // else a space becomes '_'
    bool includeNumerics = true;   // else a digit ends the name
    int maximumSize = 14;          // characters of a code that count
};

// The settings' rules; the maximum size is its text read as atoi reads it.
LayerNameRules layerNameRules(const ZaSettings& settings);

// A code-and-notes text: cut to the maximum size, trailing spaces dropped.
void cleanCodeName(std::string_view text, const LayerNameRules& rules, std::string& name);
// A map file's layer value: cut to 127 characters.
void cleanMapValue(std::string_view value, const LayerNameRules& rules, std::string& name);

}  // namespace zastringimport
