// The configuration file's reader: "key=value" lines stored through the
// settings table, each value held to what its setting accepts.
#include "files/c_numbers.h"
#include "files/line_reader.h"
#include "settings/config_file.h"
#include "settings/parse_bool.h"
#include "settings/settings_table.h"

#include <cstdint>
#include <variant>

namespace {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// What zaParseBool reads as a yes or a no; any other text is no boolean,
// and taking it for "false" would change what was typed.
bool store(const ZaSettingValue&, std::string_view value, bool& field) {
    if (value.empty() || std::string_view("TtFf01").find(value.front()) == std::string_view::npos) return false;
    field = zaParseBool(std::string(value).c_str());
    return true;
}

// A number past the integers is refused, never held at the largest one an
// integer takes, as strtol would hold it.
bool store(const ZaSettingValue& v, std::string_view value, int& field) {
    std::string_view text = value;
    const auto number = zafiles::takeCInt(text);
    if (!number) return false;
    text = value;
    const auto real = zafiles::takeCReal(text);
    if (real && (*real > static_cast<double>(INT32_MAX) || *real < static_cast<double>(INT32_MIN))) return false;
    if (!zaSettingAccepts(v, *number)) return false;
    field = *number;
    return true;
}

bool store(const ZaSettingValue& v, std::string_view value, double& field) {
    std::string_view text = value;
    const auto number = zafiles::takeCReal(text);
    if (!number || !zaSettingAccepts(v, *number)) return false;
    field = *number;
    return true;
}

// Held to the field's limit, as the registry holds it; an empty layer or
// file name is its default, as the registry readers read it.
bool store(const ZaSettingValue& v, std::string_view value, std::string& field) {
    if (value.empty() && v.emptyIsDefault) {
        field = zaSettingDefaultText(v);
        return true;
    }
    field = value.substr(0, v.limit - 1);
    return true;
}

}  // namespace

ZaConfigRead zaReadConfigFile(std::unique_ptr<zafiles::ByteSource> source, ZaSettings& settings) {
    ZaConfigRead read;
    zafiles::LineReader lines(std::move(source), 64 * 1024, kZaConfigLineLength);
    int number = 0;
    while (auto next = lines.next()) {
        ++number;
        std::string_view line = *next;
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        read.size += line.size();
        const std::size_t equals = line.find('=');
        const std::string_view key = trimBlanks(line.substr(0, equals));
        if (key.empty()) continue;
        ++read.lines;
        // The tail of a long line is not a line of its own, nor is its head
        // a whole value: neither is taken.
        if (lines.lastLineCut()) {
            read.refusals.push_back({number, ZaConfigRefusal::Reason::TooLong, std::string(key), {}});
            continue;
        }
        const std::string_view value = equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
        const ZaSettingValue* v = zaFindSettingValue(key);
        const bool stored =
            !v || std::visit([&](auto member) { return store(*v, value, settings.*member); }, v->field);
        if (!stored) {
            read.refusals.push_back({number, ZaConfigRefusal::Reason::OutOfRange, std::string(key), std::string(value)});
            continue;
        }
        ++read.good;
    }
    return read;
}
