// acdbEntMake: checks a list, encodes it, and adds it to the drawing. The
// elements of a POLYLINE (or an INSERT with attributes) are held until their
// SEQEND arrives, so a sequence that fails or is cancelled leaves nothing.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <string>

#include "arx/acedads.h"
#include "entity_names.h"
#include "fault_seams.h"
#include "list_codec.h"
#include "state/session_state.h"
#include "table_defaults.h"
#include "zcad/database.h"
#include "zcad/host_test.h"

namespace zcad {

namespace {

struct Sequence {
    bool open = false;
    bool polyline = false;  // else the attributes of an INSERT
    bool polyface = false;
    int positions = 0;      // polyface vertices with coordinates
    std::vector<std::uint8_t> bytes;
    std::vector<std::uint32_t> ends;

    void start(bool isPolyline, bool isPolyface) {
        open = true;
        polyline = isPolyline;
        polyface = isPolyface;
        positions = 0;
        bytes.clear();
        ends.clear();
    }
    void add(const std::vector<std::uint8_t>& list) {
        bytes.insert(bytes.end(), list.begin(), list.end());
        ends.push_back(static_cast<std::uint32_t>(bytes.size()));
    }
    void cancel() { open = false; }
};

Sequence& sequence() { return sessionState<Sequence>(); }

struct Requirement {
    std::string_view type;
    std::array<int, 4> groups;  // 0 ends
};

constexpr Requirement kRequired[] = {
    {"LINE", {10, 11, 0, 0}},   {"POINT", {10, 0, 0, 0}},    {"CIRCLE", {10, 40, 0, 0}},
    {"ARC", {10, 40, 50, 51}},  {"TEXT", {10, 40, 1, 0}},    {"ATTRIB", {10, 40, 1, 2}},
    {"MTEXT", {10, 1, 0, 0}},   {"3DFACE", {10, 11, 12, 0}}, {"SOLID", {10, 11, 12, 0}},
    {"TRACE", {10, 11, 12, 0}}, {"VERTEX", {10, 0, 0, 0}},   {"INSERT", {2, 10, 0, 0}},
    {"LWPOLYLINE", {10, 0, 0, 0}}, {"ELLIPSE", {10, 11, 40, 0}}, {"POLYLINE", {0, 0, 0, 0}},
    {"SEQEND", {0, 0, 0, 0}},   {"SHAPE", {10, 40, 2, 0}},   {"RAY", {10, 11, 0, 0}},
    {"XLINE", {10, 11, 0, 0}},  {"SPLINE", {0, 0, 0, 0}},    {"HATCH", {0, 0, 0, 0}},
    {"LEADER", {0, 0, 0, 0}},   {"DIMENSION", {0, 0, 0, 0}}, {"ATTDEF", {10, 40, 1, 2}},
};

const Requirement* requirementOf(std::string_view type) {
    for (const auto& r : kRequired) {
        if (type == r.type) return &r;
    }
    return nullptr;
}

bool hasRequiredGroups(const Requirement& r, const ParsedList& parsed) {
    return std::all_of(r.groups.begin(), r.groups.end(), [&](int code) { return code == 0 || parsed.has(code); });
}

bool valuesSound(const ParsedList& parsed) {
    const std::string& type = parsed.type;
    if (type == "CIRCLE" || type == "ARC") return parsed.real(40, 0.0) > 0.0;
    if (type == "TEXT" || type == "ATTRIB") return parsed.real(40, 0.0) > 0.0;
    return true;
}

// Faces of a polyface mesh may only name vertices already made.
bool polyfaceVertexSound(Sequence& seq, const ParsedList& parsed) {
    if (!seq.polyface) return true;
    const auto flags = parsed.integer(70, 0);
    if (flags & 64) {
        ++seq.positions;
        return true;
    }
    if (!(flags & 128)) return false;
    for (int code = 71; code <= 74; ++code) {
        const auto index = parsed.integer(code, 0);
        if (std::abs(index) > seq.positions) return false;
        if (code < 74 && index == 0 && code != 73) return false;
    }
    return true;
}

void commitSequence(Database& db, Sequence& seq) {
    std::uint32_t begin = 0;
    for (const auto end : seq.ends) {
        db.append({seq.bytes.data() + begin, end - begin});
        begin = end;
    }
    seq.cancel();
}

int makeEntity(const resbuf* list, EntityId* made) {
    Sequence& seq = sequence();
    if (!list) {
        seq.cancel();
        return RTNORM;
    }
    if (test::takeEntityMakeFault()) return RTERROR;

    Database& db = currentDatabase();
    static ParsedList parsed;
    if (!parseEntityList(db, list, parsed)) return RTREJ;
    const Requirement* required = requirementOf(parsed.type);
    if (!required || !hasRequiredGroups(*required, parsed) || !valuesSound(parsed)) return RTREJ;
    if (!ensureLayer(db, parsed.layer)) return RTREJ;
    if (parsed.has(7) && !db.styles().find(parsed.text(7))) return RTREJ;

    const std::string& type = parsed.type;
    const bool element = type == "VERTEX" || type == "ATTRIB" || type == "SEQEND";
    if (seq.open != element) return RTREJ;
    if (seq.open) {
        if ((type == "VERTEX") != seq.polyline && type != "SEQEND") return RTREJ;
        if (type == "VERTEX" && !polyfaceVertexSound(seq, parsed)) return RTREJ;
        seq.add(parsed.bytes);
        if (type != "SEQEND") return RTNORM;
        const auto head = static_cast<EntityId>(db.entityCount());
        commitSequence(db, seq);
        if (made) *made = head;
        return RTNORM;
    }
    if (type == "POLYLINE" || (type == "INSERT" && parsed.integer(66, 0) == 1)) {
        seq.start(type == "POLYLINE", type == "POLYLINE" && (parsed.integer(70, 0) & 64));
        seq.add(parsed.bytes);
        return RTNORM;
    }
    const EntityId id = db.append(parsed.bytes);
    if (made) *made = id;
    return RTNORM;
}

}  // namespace

namespace test {
bool sequenceOpen() { return sequence().open; }
}  // namespace test

}  // namespace zcad

int acdbEntMake(const resbuf* list) { return zcad::makeEntity(list, nullptr); }

int acdbEntMakeX(const resbuf* list, ads_name result) {
    zcad::EntityId made = zcad::kNoEntity;
    const int status = zcad::makeEntity(list, &made);
    if (result) {
        ads_name_clear(result);
        if (made != zcad::kNoEntity) zcad::makeEntityName(zcad::currentDatabase(), made, result);
    }
    return status;
}
