// The configuration file's reader: "key=value" lines stored through the
// settings table, each value held to what its setting accepts.
#include "files/c_numbers.h"
#include "files/line_reader.h"
#include "settings/config_file.h"
#include "settings/parse_bool.h"
#include "settings/settings_table.h"

#include <variant>

namespace {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool store(const ZaSettingValue&, std::string_view value, bool& field) {
    field = zaParseBool(std::string(value).c_str());
    return true;
}

bool store(const ZaSettingValue& v, std::string_view value, int& field) {
    const std::int32_t number = zafiles::readCInt(value);
    if (!zaSettingAccepts(v, number)) return false;
    field = number;
    return true;
}

bool store(const ZaSettingValue& v, std::string_view value, double& field) {
    const double number = zafiles::readCReal(value);
    if (!zaSettingAccepts(v, number)) return false;
    field = number;
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
