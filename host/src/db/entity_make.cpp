// acdbEntMake: checks a list, encodes it, and adds it to the drawing. The
// elements of a POLYLINE (or an INSERT with attributes) are stored as they
// come but held out of sight until their SEQEND arrives, so a sequence that
// fails or is cancelled leaves nothing.
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
    Database* db = nullptr;  // the drawing holding the elements; null when none is open
    bool polyline = false;   // else the attributes of an INSERT
    bool polyface = false;
    int positions = 0;       // polyface vertices with coordinates

    // Open only on the drawing it was started in: a drawing replaced part
    // way took the held elements with it.
    bool open() const { return db && db == &currentDatabase() && db->holding(); }
    void start(Database& drawing, bool isPolyline, bool isPolyface) {
        cancel();
        db = &drawing;
        db->holdAppends();
        polyline = isPolyline;
        polyface = isPolyface;
        positions = 0;
    }
    void commit() {
        db->commitHeld();
        db = nullptr;
    }
    void cancel() {
        if (open()) db->dropHeld();
        db = nullptr;
    }
};

Sequence& sequence() { return sessionState<Sequence>(); }

// What makes a type's list different on its way in.
enum class Role : std::uint8_t { Plain, Sized, Vertex, Attribute, SequenceEnd, Polyline, Insert };

struct Requirement {
    std::string_view type;
    std::array<int, 4> groups;  // 0 ends
    Role role = Role::Plain;
};

constexpr Requirement kRequired[] = {
    {"LINE", {10, 11, 0, 0}},
    {"POINT", {10, 0, 0, 0}},
    {"CIRCLE", {10, 40, 0, 0}, Role::Sized},
    {"ARC", {10, 40, 50, 51}, Role::Sized},
    {"TEXT", {10, 40, 1, 0}, Role::Sized},
    {"ATTRIB", {10, 40, 1, 2}, Role::Attribute},
    {"MTEXT", {10, 1, 0, 0}},
    {"3DFACE", {10, 11, 12, 0}},
    {"SOLID", {10, 11, 12, 0}},
    {"TRACE", {10, 11, 12, 0}},
    {"VERTEX", {10, 0, 0, 0}, Role::Vertex},
    {"INSERT", {2, 10, 0, 0}, Role::Insert},
    {"LWPOLYLINE", {10, 0, 0, 0}},
    {"ELLIPSE", {10, 11, 40, 0}},
    {"POLYLINE", {0, 0, 0, 0}, Role::Polyline},
    {"SEQEND", {0, 0, 0, 0}, Role::SequenceEnd},
    {"SHAPE", {10, 40, 2, 0}},
    {"RAY", {10, 11, 0, 0}},
    {"XLINE", {10, 11, 0, 0}},
    {"SPLINE", {0, 0, 0, 0}},
    {"HATCH", {0, 0, 0, 0}},
    {"LEADER", {0, 0, 0, 0}},
    {"DIMENSION", {0, 0, 0, 0}},
    {"ATTDEF", {10, 40, 1, 2}},
};

const Requirement* requirementOf(std::string_view type) {
    // Entities come in runs of one type, or of a polyline's few in turn.
    static std::array<const Requirement*, 4> recent{};
    static std::size_t next = 0;
    for (const Requirement* r : recent) {
        if (r && r->type == type) return r;
    }
    for (const auto& r : kRequired) {
        if (type != r.type) continue;
        recent[next++ % recent.size()] = &r;
        return &r;
    }
    return nullptr;
}

bool hasRequiredGroups(const Requirement& r, const ParsedList& parsed) {
    return std::all_of(r.groups.begin(), r.groups.end(), [&](int code) { return code == 0 || parsed.has(code); });
}

bool valuesSound(const Requirement& r, const ParsedList& parsed) {
    if (r.role == Role::Sized || r.role == Role::Attribute) return parsed.real(40, 0.0) > 0.0;
    return true;
}

bool isElement(Role role) { return role == Role::Vertex || role == Role::Attribute || role == Role::SequenceEnd; }

// What a list's shape alone decides, worked out once a shape (as parsing
// counts them), since lists are made again in their last shape by the
// million: the type's requirement, whether the list has the groups it
// requires, and where it keeps the first of each of the groups 70 to 74.
struct ShapeFacts {
    std::uint64_t shapeSerial = 0;
    const Requirement* required = nullptr;  // null: unknown type or groups missing
    std::array<std::int32_t, 5> meshGroups{};  // in the groups; -1 when missing
};

const ShapeFacts& shapeFacts(const ParsedList& parsed) {
    static ShapeFacts known;
    if (known.shapeSerial == parsed.shapeSerial && parsed.shapeSerial != 0) return known;
    known.shapeSerial = parsed.shapeSerial;
    const Requirement* required = requirementOf(parsed.type);
    known.required = required && hasRequiredGroups(*required, parsed) ? required : nullptr;
    known.meshGroups.fill(-1);
    for (std::size_t i = parsed.groups.size(); i-- > 0;) {
        const auto code = static_cast<std::size_t>(parsed.groups[i].code - 70);
        if (code < known.meshGroups.size()) known.meshGroups[code] = static_cast<std::int32_t>(i);
    }
    return known;
}

// Faces of a polyface mesh may only name vertices already made.
bool polyfaceVertexSound(Sequence& seq, const ParsedList& parsed) {
    if (!seq.polyface) return true;
    const auto& at = shapeFacts(parsed).meshGroups;
    const auto value = [&](int code) {
        const std::int32_t i = at[static_cast<std::size_t>(code - 70)];
        return i < 0 ? std::int64_t{0} : parsed.groups[static_cast<std::size_t>(i)].integer;
    };
    const std::int64_t flags = value(70);
    if (flags & 64) {
        ++seq.positions;
        return true;
    }
    if (!(flags & 128)) return false;
    for (int code = 71; code <= 74; ++code) {
        const std::int64_t index = value(code);
        if (std::abs(index) > seq.positions) return false;
        if (code < 74 && index == 0 && code != 73) return false;
    }
    return true;
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
    const Requirement* required = shapeFacts(parsed).required;
    if (!required || !valuesSound(*required, parsed)) return RTREJ;
    if (!ensureLayer(db, parsed.layer)) return RTREJ;
    if (parsed.has(7) && !db.styles().find(parsed.text(7))) return RTREJ;

    const Role role = required->role;
    const bool element = isElement(role);
    if (seq.open() != element) return RTREJ;
    if (element) {
        if ((role == Role::Vertex) != seq.polyline && role != Role::SequenceEnd) return RTREJ;
        if (role == Role::Vertex && !polyfaceVertexSound(seq, parsed)) return RTREJ;
        db.append(parsed.bytes());
        if (role != Role::SequenceEnd) return RTNORM;
        const auto head = static_cast<EntityId>(db.entityCount());
        seq.commit();
        if (made) *made = head;
        return RTNORM;
    }
    const bool polyline = role == Role::Polyline;
    if (polyline || (role == Role::Insert && parsed.integer(66, 0) == 1)) {
        seq.start(db, polyline, polyline && (parsed.integer(70, 0) & 64));
        db.append(parsed.bytes());
        return RTNORM;
    }
    const EntityId id = db.append(parsed.bytes());
    if (made) *made = id;
    return RTNORM;
}

}  // namespace

namespace test {
bool sequenceOpen() { return sequence().open(); }
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
