#include "string_import/layer_map.h"

#include <algorithm>
#include <new>
#include <optional>

#include "arx/acedads.h"
#include "files/text_rules.h"

namespace zastringimport {
namespace {

constexpr std::size_t kKeyLimit = 19;

bool skipped(std::string_view line) { return line[0] == '#' || line[0] == '/' || line[0] == '$'; }

// The text between the first two double quotes, with only white space
// before the first: at least one and at most 19 characters, as " \"%19[^\"]"
// scans it.
std::optional<std::string_view> keyOf(std::string_view line) {
    line = zafiles::trimLeadingCSpace(line);
    if (line.empty() || line.front() != '"') return std::nullopt;
    const std::string_view rest = line.substr(1);
    const std::string_view key = rest.substr(0, std::min(rest.find('"'), kKeyLimit));
    if (key.empty()) return std::nullopt;
    return key;
}

// What follows the first '=' and the spaces after it, both found within
// the first n characters; at most n - 1 characters of it.
std::string_view valueOf(std::string_view line, int maximumSize) {
    const auto n = static_cast<std::size_t>(std::clamp<long long>(maximumSize, 0, static_cast<long long>(line.size()) + 1));
    const std::string_view head = line.substr(0, n);
    const std::size_t equals = head.find('=');
    if (equals == std::string_view::npos) return {};
    const std::string_view after = zafiles::trimLeadingSpaces(head.substr(equals + 1));
    if (after.empty()) return {};
    return line.substr(head.size() - after.size(), n - 1);
}

}  // namespace

const std::string* LayerMap::find(const std::string& lowerName) const {
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
        if (acutWcMatch(lowerName.c_str(), entry->key.c_str()) == RTNORM) return &entry->layer;
    }
    return nullptr;
}

LayerMapRead readLayerMap(zafiles::LineReader& lines, const LayerNameRules& rules, LayerMap& map, LineEcho echo) {
    // Lines are taken as a text-mode read gives them, ended by a line feed,
    // so none is empty: the value runs to the line's end.
    std::string line;
    std::string layer;
    int number = 0;
    for (auto text = lines.next(); text; text = lines.next(), ++number) {
        line.assign(*text);
        line += '\n';
        // Comments and lines without a key are passed over.
        const auto key = skipped(line) ? std::nullopt : keyOf(line);
        if (key) {
            const std::string_view value = valueOf(line, rules.maximumSize);
            if (value.empty()) return {LayerMapRead::Outcome::BadLine, number};
            cleanMapValue(value, rules, layer);
            std::string lowerKey(*key);
            zafiles::lowerInPlace(lowerKey);
            map.add(std::move(lowerKey), layer);
        }
        if (echo) echo(number, line);
    }
    return {LayerMapRead::Outcome::Read, number};
}

}  // namespace zastringimport
