#include "dxf_groups.h"

#include <limits>

#include "dxf_numbers.h"
#include "text/number_text.h"
#include "zcad/text.h"

namespace zcad::dxf {

namespace {

bool fits(GroupKind kind, std::int64_t value) {
    switch (kind) {
    case GroupKind::Int16:
        return value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max();
    case GroupKind::Int32:
        return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
    default:
        return true;
    }
}

std::string shown(std::string_view text) {
    text = trimmed(text);
    std::string out;
    for (const char c : text.substr(0, 40)) out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    if (text.size() > 40) out += "...";
    return out;
}

bool readCoordinate(Scanner& scanner, const Token& token, double& value) {
    if (parseReal(token.value, value)) return true;
    scanner.fail(token.line, "group " + std::to_string(token.code) + " value \"" + shown(token.value) +
                                 "\" is not a number");
    return false;
}

}  // namespace

const AngleTable::Codes& AngleTable::of(std::string_view type) {
    if (last_ < entries_.size() && entries_[last_].type == type) return entries_[last_].codes;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].type == type) {
            last_ = i;
            return entries_[i].codes;
        }
    }
    Entry entry{std::string(type), {}};
    for (int code = 0; code < 1072; ++code) entry.codes[code] = isAngleGroup(type, code);
    entries_.push_back(std::move(entry));
    last_ = entries_.size() - 1;
    return entries_.back().codes;
}

bool readGroup(Scanner& scanner, const Token& token, TextEncoding encoding, std::string& scratch, Group& g,
               GroupLeniency* leniency) {
    g.code = token.code;
    g.kind = groupKind(token.code);
    g.flat = false;
    switch (g.kind) {
    case GroupKind::String:
        g.text = decodeText(token.value, encoding, scratch);
        return true;
    case GroupKind::Real:
        return readCoordinate(scanner, token, g.xyz[0]);
    case GroupKind::Int16:
    case GroupKind::Int32:
    case GroupKind::Int64:
        if (!parseInteger(token.value, g.integer)) {
            scanner.fail(token.line, "group " + std::to_string(token.code) + " value \"" + shown(token.value) +
                                         "\" is not an integer");
            return false;
        }
        if (leniency && g.kind == GroupKind::Int16 && g.integer > 32767 && g.integer <= 65535) {
            g.integer -= 65536;
            leniency->unsigned16 = true;
            return true;
        }
        if (!fits(g.kind, g.integer)) {
            scanner.fail(token.line, "group " + std::to_string(token.code) + " value " + shown(token.value) +
                                         " is out of range");
            return false;
        }
        return true;
    case GroupKind::Point:
        break;
    }
    if (!readCoordinate(scanner, token, g.xyz[0])) return false;
    Token y;
    const bool haveNext = scanner.next(y);
    if (haveNext && y.code != token.code + 10 && leniency) {
        scanner.pushBack(y);
        leniency->yElsewhere = true;
        return false;
    }
    if (!haveNext || y.code != token.code + 10) {
        if (!scanner.failed()) {
            scanner.fail(token.line, "point group " + std::to_string(token.code) + " is not followed by its y (group " +
                                         std::to_string(token.code + 10) + ")");
        }
        return false;
    }
    if (!readCoordinate(scanner, y, g.xyz[1])) return false;
    Token z;
    g.xyz[2] = 0.0;
    g.flat = true;
    if (!scanner.next(z)) return !scanner.failed();
    if (z.code != token.code + 20) {
        scanner.pushBack(z);
        return true;
    }
    g.flat = false;
    return readCoordinate(scanner, z, g.xyz[2]);
}

}  // namespace zcad::dxf
