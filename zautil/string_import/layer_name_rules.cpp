#include "string_import/layer_name_rules.h"

#include <algorithm>

#include "files/c_numbers.h"
#include "files/text_rules.h"
#include "settings/settings_record.h"

namespace zastringimport {
namespace {

constexpr std::size_t kMapValueLimit = 127;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The characters of the name up to the first one that ends it.
void clean(std::string_view text, const LayerNameRules& rules, std::string& name) {
    name.clear();
    for (const char c : text) {
        const char upper = zafiles::upperAscii(c);
        if (c == ' ' && !rules.endNameAtSpace) {
            name += '_';
        } else if (zafiles::keptInLayerName(upper) && (rules.includeNumerics || !isDigit(upper))) {
            name += upper;
        } else {
            break;
        }
    }
    if (name.empty()) name.push_back('0');
}

}  // namespace

LayerNameRules layerNameRules(const ZaSettings& settings) {
    return {settings.endNameAtSpace, settings.includeNumerics, zafiles::readCInt(settings.maximumSize)};
}

void cleanCodeName(std::string_view text, const LayerNameRules& rules, std::string& name) {
    // A size of zero or less leaves nothing of the code.
    text = text.substr(0, static_cast<std::size_t>(std::max(rules.maximumSize, 0)));
    clean(zafiles::trimTrailingSpaces(text), rules, name);
}

void cleanMapValue(std::string_view value, const LayerNameRules& rules, std::string& name) {
    clean(value.substr(0, kMapValueLimit), rules, name);
}

}  // namespace zastringimport
