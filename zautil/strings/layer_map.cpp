#include "strings/layer_map.h"

#include <algorithm>
#include <new>
#include <optional>

#include "arx/acedads.h"
#include "files/text_rules.h"

namespace zastrings {
namespace {

constexpr std::size_t kKeyLimit = 19;

bool skipped(std::string_view line) { return line[0] == '#' || line[0] == '/' || line[0] == '$'; }

// The text between the first two double quotes, with only white space
// before the first: at least one and at most 19 characters, as " \"%19[^\"]"
// scans it.
std::optional<std::string_view> keyOf(std::string_view line) {
    std::size_t at = 0;
    while (at < line.size() && zafiles::isCSpace(line[at])) ++at;
    if (at == line.size() || line[at] != '"') return std::nullopt;
    const std::string_view rest = line.substr(at + 1);
    const std::string_view key = rest.substr(0, std::min(rest.find('"'), kKeyLimit));
    if (key.empty()) return std::nullopt;
    return key;
}

// What follows the first '=' and the spaces after it, both found within
// the first n characters; at most n - 1 characters of it.
std::string_view valueOf(std::string_view line, int maximumSize) {
    const auto n = static_cast<std::size_t>(std::clamp<long long>(maximumSize, 0, static_cast<long long>(line.size()) + 1));
    const std::string_view head = line.substr(0, n);
    std::size_t at = head.find('=');
    if (at == std::string_view::npos) return {};
    ++at;
    while (at < head.size() && head[at] == ' ') ++at;
    if (at >= head.size()) return {};
    return line.substr(at, n - 1);
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
            try {
                std::string lowerKey(*key);
                zafiles::lowerInPlace(lowerKey);
                map.add(std::move(lowerKey), layer);
            } catch (const std::bad_alloc&) {
                return {LayerMapRead::Outcome::OutOfMemory, number};
            }
        }
        if (echo) echo(number, line);
    }
    return {LayerMapRead::Outcome::Read, number};
}

}  // namespace zastrings
