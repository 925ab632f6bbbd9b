#include <cstring>

#include "zcad/group_list.h"

namespace zcad {

template <typename Encode>
void GroupWriter::append(std::size_t room, Encode encode) {
    const std::size_t start = out_.size();
    out_.resize(start + room);
    GroupEncoder encoder(out_.data() + start);
    encode(encoder);
    out_.resize(static_cast<std::size_t>(encoder.at() - out_.data()));
}

void GroupWriter::string(int code, std::string_view text) {
    switch (groupKind(code)) {
    case GroupKind::String:
        break;
    case GroupKind::Real:
        return real(code, std::strtod(std::string(text).c_str(), nullptr));
    case GroupKind::Point:
        return point(code, 0, 0, 0);
    default:
        return integral(code, std::strtoll(std::string(text).c_str(), nullptr, 10));
    }
    append(GroupEncoder::textRoom(text.size()), [&](GroupEncoder& e) { e.text(code, text); });
}

void GroupWriter::real(int code, double value) {
    switch (groupKind(code)) {
    case GroupKind::Real:
        break;
    case GroupKind::Point:
        return point(code, value, 0, 0);
    case GroupKind::String:
        return string(code, std::to_string(value));
    default:
        return integral(code, static_cast<std::int64_t>(value));
    }
    append(GroupEncoder::kFixedRoom, [&](GroupEncoder& e) { e.real(code, value); });
}

void GroupWriter::point(int code, double x, double y, double z, bool flat) {
    if (groupKind(code) != GroupKind::Point) return real(code, x);
    const double xyz[3] = {x, y, z};
    append(GroupEncoder::kFixedRoom, [&](GroupEncoder& e) { e.point(code, xyz, flat); });
}

void GroupWriter::integral(int code, std::int64_t value) {
    const GroupKind kind = groupKind(code);
    switch (kind) {
    case GroupKind::Int16:
    case GroupKind::Int32:
    case GroupKind::Int64:
        return append(GroupEncoder::kFixedRoom, [&](GroupEncoder& e) { e.integral(code, kind, value); });
    case GroupKind::Real:
        return real(code, static_cast<double>(value));
    case GroupKind::Point:
        return point(code, static_cast<double>(value), 0, 0);
    case GroupKind::String:
        return string(code, std::to_string(value));
    }
}

void GroupWriter::group(const Group& g) {
    switch (g.kind) {
    case GroupKind::String:
        return string(g.code, g.text);
    case GroupKind::Real:
        return real(g.code, g.xyz[0]);
    case GroupKind::Point:
        return point(g.code, g.xyz[0], g.xyz[1], g.xyz[2], g.flat);
    default:
        return integral(g.code, g.integer);
    }
}

std::vector<Group> decodeGroups(std::span<const std::uint8_t> bytes) {
    std::vector<Group> groups;
    decodeGroups(bytes, groups);
    return groups;
}

void decodeGroups(std::span<const std::uint8_t> bytes, std::vector<Group>& out) {
    out.clear();
    GroupReader reader(bytes);
    Group g;
    while (reader.next(g)) out.push_back(g);
}

const Group* findGroup(const std::vector<Group>& groups, int code) {
    for (const auto& g : groups) {
        if (g.code == code) return &g;
    }
    return nullptr;
}

OwnedGroup OwnedGroup::of(const Group& g) {
    OwnedGroup o;
    o.code = g.code;
    o.kind = g.kind;
    o.flat = g.flat;
    o.text = std::string(g.text);
    std::memcpy(o.xyz, g.xyz, sizeof o.xyz);
    o.integer = g.integer;
    return o;
}

OwnedGroup OwnedGroup::string(int code, std::string_view text) {
    OwnedGroup o;
    o.code = code;
    o.kind = GroupKind::String;
    o.text = std::string(text);
    return o;
}

OwnedGroup OwnedGroup::real(int code, double value) {
    OwnedGroup o;
    o.code = code;
    o.kind = GroupKind::Real;
    o.xyz[0] = value;
    return o;
}

OwnedGroup OwnedGroup::point(int code, double x, double y, double z, bool flat) {
    OwnedGroup o;
    o.code = code;
    o.kind = GroupKind::Point;
    o.flat = flat;
    o.xyz[0] = x;
    o.xyz[1] = y;
    o.xyz[2] = z;
    return o;
}

OwnedGroup OwnedGroup::integral(int code, std::int64_t value) {
    OwnedGroup o;
    o.code = code;
    o.kind = groupKind(code);
    if (o.kind == GroupKind::String || o.kind == GroupKind::Real || o.kind == GroupKind::Point) o.kind = GroupKind::Int32;
    o.integer = value;
    return o;
}

Group OwnedGroup::view() const {
    Group g;
    g.code = code;
    g.kind = kind;
    g.flat = flat;
    g.text = text;
    std::memcpy(g.xyz, xyz, sizeof xyz);
    g.integer = integer;
    return g;
}

}  // namespace zcad
