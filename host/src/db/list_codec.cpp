#include "list_codec.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "arx/acedads.h"
#include "entity_names.h"
#include "rb/resbuf_kind.h"
#include "zcad/text.h"

namespace zcad {

namespace {

bool isSkipped(int code) { return code == -1 || code == -2 || code == 5 || code == 330 || code == 100 || code == 0; }

bool toGroup(const resbuf* rb, Group& g) {
    g = Group{};
    g.code = rb->restype == RTDXF0 ? 0 : rb->restype;
    if (g.code < -5 || g.code > 1071) return false;
    g.kind = groupKind(g.code);
    switch (rbValueOf(rb->restype)) {
    case RbValue::String:
        if (!rb->resval.rstring) return false;
        g.text = rb->resval.rstring;
        return g.kind == GroupKind::String;
    case RbValue::Real:
        g.xyz[0] = rb->resval.rreal;
        return g.kind == GroupKind::Real;
    case RbValue::Point:
        std::memcpy(g.xyz, rb->resval.rpoint, sizeof g.xyz);
        return g.kind == GroupKind::Point;
    case RbValue::Short:
        g.integer = rb->resval.rint;
        return true;
    case RbValue::Long:
        g.integer = rb->resval.rlong;
        return true;
    case RbValue::Int64:
        g.integer = rb->resval.mnInt64;
        return true;
    case RbValue::EName:
    case RbValue::None:
        return g.code == -3;
    }
    return false;
}

char* copyText(std::string_view text) {
    auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (!copy) return nullptr;
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

bool takeType(std::string_view given, ParsedList& parsed) {
    if (given.empty()) return false;
    for (const auto& known : parsed.knownTypes) {
        if (known.given != given) continue;
        parsed.type = known.upper;
        parsed.typeNumber = known.number;
        return true;
    }
    auto& known = parsed.knownTypes[parsed.nextKnown++ % parsed.knownTypes.size()];
    known.given.assign(given);
    known.upper.assign(given);
    for (char& c : known.upper) c = upperChar(c);
    known.number = detail::pooledNumber(known.upper);
    parsed.type = known.upper;
    parsed.typeNumber = known.number;
    return true;
}

// Where the next group goes, with room for `need` bytes.
GroupEncoder encoderFor(ParsedList& parsed, std::size_t need) {
    if (parsed.buffer.size() - parsed.used < need) parsed.buffer.resize(parsed.used + need + 256);
    return GroupEncoder(parsed.buffer.data() + parsed.used);
}

void encode(ParsedList& parsed, const Group& g) {
    const std::size_t need = g.kind == GroupKind::String ? GroupEncoder::textRoom(g.text.size()) : GroupEncoder::kFixedRoom;
    GroupEncoder encoder = encoderFor(parsed, need);
    encoder.group(g);
    parsed.used = static_cast<std::size_t>(encoder.at() - parsed.buffer.data());
}

void encodeName(ParsedList& parsed, int code, std::string_view text, std::uint32_t number) {
    GroupEncoder encoder = encoderFor(parsed, GroupEncoder::textRoom(text.size()));
    encoder.name(code, text, number);
    parsed.used = static_cast<std::size_t>(encoder.at() - parsed.buffer.data());
}

bool takeLayer(std::string_view given, ParsedList& parsed) {
    if (given == parsed.layer) return parsed.layerValid;
    parsed.layer.assign(given);
    parsed.layerValid = isValidSymbolName(given);
    parsed.layerNumber = detail::pooledNumber(parsed.layer);
    return parsed.layerValid;
}

}  // namespace

bool ParsedList::has(int code) const {
    for (const auto& g : groups) {
        if (g.code == code) return true;
    }
    return false;
}

double ParsedList::real(int code, double fallback) const {
    for (const auto& g : groups) {
        if (g.code == code) return g.kind == GroupKind::Real ? g.xyz[0] : static_cast<double>(g.integer);
    }
    return fallback;
}

std::int64_t ParsedList::integer(int code, std::int64_t fallback) const {
    for (const auto& g : groups) {
        if (g.code == code) return g.integer;
    }
    return fallback;
}

std::string_view ParsedList::text(int code) const {
    for (const auto& g : groups) {
        if (g.code == code) return g.text;
    }
    return {};
}

namespace {

template <typename T>
bool putInteger(std::int64_t value, const ParsedList::Node& node, std::uint8_t* at) {
    const auto narrowed = static_cast<T>(value);
    if ((narrowed == 0) != node.zero) return false;
    if (!node.zero) std::memcpy(at, &narrowed, sizeof narrowed);
    return true;
}

// A kept text against the caller's, without measuring the caller's first:
// texts of kept lists are short and mostly the same.
bool sameText(const std::string& kept, const char* given) {
    for (const char c : kept) {
        if (*given++ != c) return false;
    }
    return *given == '\0';
}

// One node of a list with the shape of the last: false when its value
// would be encoded in another shape (a text changed, a value turned zero).
bool rewrite(const resbuf* rb, ParsedList::Node& node, ParsedList& parsed) {
    if (rb->restype != node.restype) return false;
    const RbValue value = rbValueOf(rb->restype);
    if (value == RbValue::String) {
        if (!rb->resval.rstring || !sameText(node.text, rb->resval.rstring)) return false;
        // The caller's text may have moved: the group looks at it where it is now.
        if (node.group != ParsedList::Node::kNoGroup) {
            parsed.groups[node.group].text = std::string_view(rb->resval.rstring, node.text.size());
        }
        return true;
    }
    if (node.group == ParsedList::Node::kNoGroup) return true;
    Group& g = parsed.groups[node.group];
    std::uint8_t* at = parsed.buffer.data() + node.valueAt;
    switch (value) {
    case RbValue::Real: {
        const double v = rb->resval.rreal;
        if (GroupEncoder::allZero(&v, 1) != node.zero) return false;
        if (!node.zero) std::memcpy(at, &v, sizeof v);
        g.xyz[0] = v;
        return true;
    }
    case RbValue::Point: {
        const std::size_t count = g.flat ? 2 : 3;
        if (GroupEncoder::allZero(rb->resval.rpoint, count) != node.zero) return false;
        if (!node.zero) std::memcpy(at, rb->resval.rpoint, count * sizeof(double));
        std::memcpy(g.xyz, rb->resval.rpoint, sizeof g.xyz);
        return true;
    }
    case RbValue::Short:
    case RbValue::Long:
    case RbValue::Int64: {
        const std::int64_t v = value == RbValue::Short  ? rb->resval.rint
                               : value == RbValue::Long ? rb->resval.rlong
                                                        : rb->resval.mnInt64;
        const bool put = g.kind == GroupKind::Int16   ? putInteger<std::int16_t>(v, node, at)
                         : g.kind == GroupKind::Int32 ? putInteger<std::int32_t>(v, node, at)
                                                      : putInteger<std::int64_t>(v, node, at);
        if (put) g.integer = v;
        return put;
    }
    default:
        return true;
    }
}

// The same list as last time with new values: they go into the last
// encoding in place. False, with nothing to trust, when anything differs.
bool rewriteShape(const resbuf* head, ParsedList& parsed) {
    if (head != parsed.shapeHead || !sameText(parsed.shapeType, head->resval.rstring)) return false;
    std::size_t i = 0;
    for (const resbuf* rb = head->rbnext; rb; rb = rb->rbnext, ++i) {
        if (i == parsed.shapeNodes || !rewrite(rb, parsed.shape[i], parsed)) return false;
    }
    return i == parsed.shapeNodes;
}

}  // namespace

bool parseEntityList(const Database& db, const resbuf* list, ParsedList& parsed) {
    while (list && list->restype == -1) list = list->rbnext;
    if (!list || (list->restype != RTDXF0 && list->restype != 0) || !list->resval.rstring) return false;
    if (rewriteShape(list, parsed)) return true;
    ++parsed.shapeSerial;
    parsed.shapeHead = nullptr;
    parsed.groups.clear();
    parsed.used = 0;
    if (!takeType(list->resval.rstring, parsed)) return false;

    // The layer is stored first, wherever the caller put it; the last one counts.
    const char* layer = nullptr;
    for (const resbuf* rb = list->rbnext; rb; rb = rb->rbnext) {
        if (rb->restype == 8 && rb->resval.rstring) layer = rb->resval.rstring;
    }
    // The current layer may change between two makes: such a list is parsed each time.
    const bool layerGiven = layer != nullptr;
    if (!layer) {
        const HeaderVar* clayer = db.headerVar("$CLAYER");
        layer = clayer && !clayer->groups.empty() ? clayer->groups[0].text.c_str() : "0";
    }
    if (!takeLayer(layer, parsed)) return false;

    encodeName(parsed, 0, parsed.type, parsed.typeNumber);
    encodeName(parsed, 8, parsed.layer, parsed.layerNumber);
    const bool flatPoints = parsed.type == "LWPOLYLINE";
    std::size_t nodes = 0;
    for (const resbuf* rb = list->rbnext; rb; rb = rb->rbnext, ++nodes) {
        if (nodes == parsed.shape.size()) parsed.shape.emplace_back();
        ParsedList::Node& node = parsed.shape[nodes];
        node.restype = rb->restype;
        node.group = ParsedList::Node::kNoGroup;
        node.zero = false;
        node.text.clear();
        if (rbValueOf(rb->restype) == RbValue::String && rb->resval.rstring) node.text.assign(rb->resval.rstring);
        // Filled where it is kept: a group built aside and copied in is
        // read back before its parts have landed, a stall each time.
        Group& g = parsed.groups.emplace_back();
        if (!toGroup(rb, g)) return false;
        if (isSkipped(g.code)) {
            parsed.groups.pop_back();
            continue;
        }
        g.flat = flatPoints && g.code == 10;
        node.group = static_cast<std::uint32_t>(parsed.groups.size() - 1);
        if (g.code == 8) continue;
        const std::size_t before = parsed.used;
        encode(parsed, g);
        node.valueAt = static_cast<std::uint32_t>(before + sizeof(std::uint16_t));
        node.zero = g.kind != GroupKind::String && parsed.used == before + sizeof(std::uint16_t);
    }
    parsed.shapeNodes = nodes;
    if (layerGiven) {
        parsed.shapeHead = list;
        parsed.shapeType.assign(list->resval.rstring);
    }
    return true;
}

resbuf* groupToResbuf(const Group& g) {
    resbuf* rb = acutNewRb(g.code);
    if (!rb) return nullptr;
    switch (g.kind) {
    case GroupKind::String:
        // -3 only marks where extended data starts: a text there would
        // never be released with the list.
        if (rbValueOf(g.code) == RbValue::String) rb->resval.rstring = copyText(g.text);
        break;
    case GroupKind::Real:
        rb->resval.rreal = g.xyz[0];
        break;
    case GroupKind::Point:
        std::memcpy(rb->resval.rpoint, g.xyz, sizeof g.xyz);
        break;
    case GroupKind::Int16:
        rb->resval.rint = static_cast<short>(g.integer);
        break;
    case GroupKind::Int32:
        rb->resval.rlong = static_cast<ads_int32>(g.integer);
        break;
    case GroupKind::Int64:
        rb->resval.mnInt64 = g.integer;
        break;
    }
    return rb;
}

namespace {

struct ListBuilder {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    bool failed = false;

    void add(resbuf* rb) {
        if (!rb) {
            failed = true;
            return;
        }
        *tail = rb;
        tail = &rb->rbnext;
    }
    resbuf* finish() {
        if (!failed) return head;
        acutRelRb(head);
        return nullptr;
    }
};

}  // namespace

resbuf* entityToResbuf(const Database& db, EntityId id) {
    ListBuilder out;
    resbuf* name = acutNewRb(-1);
    if (name) makeEntityName(db, id, name->resval.rlname);
    out.add(name);
    GroupReader reader(db.list(id));
    Group g;
    bool first = true;
    while (reader.next(g)) {
        out.add(groupToResbuf(g));
        if (!first) continue;
        first = false;
        char handle[24];
        std::snprintf(handle, sizeof handle, "%llX", static_cast<unsigned long long>(db.handle(id)));
        Group h;
        h.code = 5;
        h.text = handle;
        out.add(groupToResbuf(h));
    }
    return out.finish();
}

resbuf* tableRecordToResbuf(const SymbolTable& table, const TableRecord& record) {
    ListBuilder out;
    Group type;
    type.code = 0;
    type.text = table.name();
    out.add(groupToResbuf(type));
    for (const auto& g : record.groups) out.add(groupToResbuf(g.view()));
    return out.finish();
}

}  // namespace zcad
