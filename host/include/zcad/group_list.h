// Entity and table lists held compactly: each group is a 16-bit code word
// followed by its value, encoded by the value kind that the DXF group code
// implies. This is the host's storage form; resbuf lists are only made at
// the API boundary.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#pragma GCC visibility push(default)

namespace zcad {

enum class GroupKind : std::uint8_t { String, Real, Point, Int16, Int32, Int64 };

namespace detail {

constexpr GroupKind kindByRange(int code) {
    if (code >= 10 && code <= 18) return GroupKind::Point;
    if (code >= 110 && code <= 112) return GroupKind::Point;
    if (code == 210 || (code >= 1010 && code <= 1013)) return GroupKind::Point;
    if (code >= 38 && code <= 59) return GroupKind::Real;
    if (code >= 140 && code <= 149) return GroupKind::Real;
    if (code >= 460 && code <= 469) return GroupKind::Real;
    if (code >= 1014 && code <= 1059) return GroupKind::Real;
    if (code >= 60 && code <= 79) return GroupKind::Int16;
    if (code >= 170 && code <= 179) return GroupKind::Int16;
    if (code >= 270 && code <= 299) return GroupKind::Int16;
    if (code >= 370 && code <= 389) return GroupKind::Int16;
    if (code >= 400 && code <= 409) return GroupKind::Int16;
    if (code >= 1060 && code <= 1070) return GroupKind::Int16;
    if (code >= 90 && code <= 99) return GroupKind::Int32;
    if (code >= 420 && code <= 429) return GroupKind::Int32;
    if (code >= 440 && code <= 459) return GroupKind::Int32;
    if (code == 1071) return GroupKind::Int32;
    if (code >= 160 && code <= 169) return GroupKind::Int64;
    return GroupKind::String;
}

constexpr int kFirstCode = -5;
constexpr int kLastCode = 1071;

// A value for every group code, worked out when compiling: looked up for
// every group of every entity made, read or written.
template <typename T, T (*of)(int)>
struct CodeTable {
    T values[kLastCode - kFirstCode + 1];
    constexpr CodeTable() : values() {
        for (int code = kFirstCode; code <= kLastCode; ++code) values[code - kFirstCode] = of(code);
    }
    constexpr T operator[](int code) const { return values[code - kFirstCode]; }
};

inline constexpr CodeTable<GroupKind, kindByRange> kKinds;

}  // namespace detail

// The value kind of a DXF group code (by the code ranges of the DXF reference).
// Codes with no defined kind are kept as strings.
constexpr GroupKind groupKind(int code) {
    if (code < detail::kFirstCode || code > detail::kLastCode) return GroupKind::String;
    return detail::kKinds[code];
}

// True for the angle groups that an entity list carries in radians and a DXF
// file in degrees, for the given entity type (upper case).
bool isAngleGroup(std::string_view entityType, int code);

// One decoded group. `text` points into the list it was read from.
struct Group {
    int code = 0;
    GroupKind kind = GroupKind::String;
    bool flat = false;  // a point written with x and y only
    bool pooled = false;  // `text` is a name of the pool, which never moves or changes
    std::string_view text;
    double xyz[3] = {0, 0, 0};
    std::int64_t integer = 0;

    double real() const { return xyz[0]; }
};

// An owning group, for the few lists that are edited in place (table records,
// header variables).
struct OwnedGroup {
    int code = 0;
    GroupKind kind = GroupKind::String;
    bool flat = false;
    std::string text;
    double xyz[3] = {0, 0, 0};
    std::int64_t integer = 0;

    static OwnedGroup of(const Group& g);
    static OwnedGroup string(int code, std::string_view text);
    static OwnedGroup real(int code, double value);
    static OwnedGroup point(int code, double x, double y, double z, bool flat = false);
    static OwnedGroup integral(int code, std::int64_t value);
    Group view() const;
    double real() const { return xyz[0]; }
    // Bit for bit: -0.0 is written unlike 0.0, and a NaN equals itself.
    bool operator==(const OwnedGroup& other) const {
        return code == other.code && kind == other.kind && flat == other.flat && text == other.text &&
               integer == other.integer && std::memcmp(xyz, other.xyz, sizeof xyz) == 0;
    }
};

namespace detail {

// Code words: the group code offset by 16 (so -5..-1 fit) in the low 12 bits,
// flags above it.
constexpr int kCodeBias = 16;
constexpr std::uint16_t kFlatFlag = 0x1000;
// A text kept as its number in the name pool instead of its bytes.
constexpr std::uint16_t kPooledFlag = 0x2000;
// A number or point whose bits are all zero, kept as its code word alone:
// a face record's point, a zero flag. -0.0 keeps its bytes.
constexpr std::uint16_t kZeroFlag = 0x4000;

// Types, layers, linetypes and styles recur in nearly every entity, so a
// list keeps them as a number into one pool for the process. The pool never
// forgets a name: a number means the same name in every list and drawing.
constexpr std::uint32_t kNotPooled = 0xFFFFFFFFu;
constexpr bool poolsText(int code) { return code == 0 || code == 8 || code == 6 || code == 7; }
// The name's number, kNotPooled when it is not worth pooling or the pool is full.
std::uint32_t pooledNumber(std::string_view name);

// Lengths, sizes and pool numbers as little varints, 7 bits a byte.
inline void putVarint(std::uint8_t*& at, std::size_t value) {
    for (; value >= 0x80; value >>= 7) *at++ = static_cast<std::uint8_t>(value | 0x80);
    *at++ = static_cast<std::uint8_t>(value);
}

// The pool's names in chunks that never move, read inline: a number is only
// ever met after its name was stored.
constexpr std::uint32_t kNamesPerChunk = 1024;
constexpr std::uint32_t kNameChunks = 64;
extern std::string_view* pooledChunks[kNameChunks];
inline std::string_view pooledName(std::uint32_t number) {
    return pooledChunks[number / kNamesPerChunk][number % kNamesPerChunk];
}

}  // namespace detail

// Encodes one group at a time where the caller made room, with no growth
// checks: the one place the stored form is written. Each value must come in
// the kind its code implies.
class GroupEncoder {
public:
    // Room enough for any group but a text, and for a text of `length` bytes.
    static constexpr std::size_t kFixedRoom = sizeof(std::uint16_t) + 3 * sizeof(double);
    static constexpr std::size_t textRoom(std::size_t length) { return sizeof(std::uint16_t) + 10 + length; }

    explicit GroupEncoder(std::uint8_t* at) : at_(at) {}
    std::uint8_t* at() const { return at_; }

    void text(int code, std::string_view value) {
        name(code, value, detail::poolsText(code) ? detail::pooledNumber(value) : detail::kNotPooled);
    }
    // A text whose pool number the caller already looked up.
    void name(int code, std::string_view value, std::uint32_t number) {
        if (number != detail::kNotPooled) {
            codeWord(code, detail::kPooledFlag);
            return varint(number);
        }
        codeWord(code, 0);
        varint(value.size());
        put(value.data(), value.size());
    }
    void real(int code, double value) {
        if (allZero(&value, 1)) return codeWord(code, detail::kZeroFlag);
        codeWord(code, 0);
        put(&value, sizeof value);
    }
    void point(int code, const double* xyz, bool flat) {
        const std::uint16_t flatFlag = flat ? detail::kFlatFlag : 0;
        const std::size_t count = flat ? 2 : 3;
        if (allZero(xyz, count)) return codeWord(code, flatFlag | detail::kZeroFlag);
        codeWord(code, flatFlag);
        put(xyz, count * sizeof(double));
    }
    void integral(int code, GroupKind kind, std::int64_t value) {
        if (kind == GroupKind::Int16) return putAs<std::int16_t>(code, value);
        if (kind == GroupKind::Int32) return putAs<std::int32_t>(code, value);
        putAs<std::int64_t>(code, value);
    }
    void group(const Group& g) {
        switch (g.kind) {
        case GroupKind::String:
            return text(g.code, g.text);
        case GroupKind::Real:
            return real(g.code, g.xyz[0]);
        case GroupKind::Point:
            return point(g.code, g.xyz, g.flat);
        default:
            return integral(g.code, g.kind, g.integer);
        }
    }

    // Whether the values are all zero bits (-0.0 is not): such a value is
    // kept as its code word alone.
    static bool allZero(const double* values, std::size_t count) {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < count; ++i) {
            std::uint64_t one;
            std::memcpy(&one, &values[i], sizeof one);
            bits |= one;
        }
        return bits == 0;
    }

private:
    void codeWord(int code, std::uint16_t flags) {
        const auto word = static_cast<std::uint16_t>(((code + detail::kCodeBias) & 0x0FFF) | flags);
        put(&word, sizeof word);
    }
    // One byte for the usual short texts and pool numbers.
    void varint(std::size_t value) { detail::putVarint(at_, value); }
    void put(const void* bytes, std::size_t size) {
        if (size) std::memcpy(at_, bytes, size);
        at_ += size;
    }
    template <typename T>
    void putAs(int code, std::int64_t value) {
        const auto narrowed = static_cast<T>(value);
        if (narrowed == 0) return codeWord(code, detail::kZeroFlag);
        codeWord(code, 0);
        put(&narrowed, sizeof narrowed);
    }

    std::uint8_t* at_;
};

// Appends encoded groups to a byte buffer. Values are taken in the kind the
// code implies; a caller that passes another kind gets it converted.
class GroupWriter {
public:
    explicit GroupWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void string(int code, std::string_view text);
    void real(int code, double value);
    void point(int code, double x, double y, double z, bool flat = false);
    void integral(int code, std::int64_t value);
    void group(const Group& g);

private:
    // Makes room for one group, encodes it, and keeps what it took.
    template <typename Encode>
    void append(std::size_t room, Encode encode);
    std::vector<std::uint8_t>& out_;
};

// Walks an encoded list. The bytes must come from GroupWriter.
class GroupReader {
public:
    explicit GroupReader(std::span<const std::uint8_t> bytes) : pos_(bytes.data()), end_(bytes.data() + bytes.size()) {}
    [[gnu::always_inline]] inline bool next(Group& g);
    // Where the value of the group last read starts, for patching it in a
    // copy of the bytes; null for a zero kept as its code word alone.
    const std::uint8_t* valueStart() const { return value_; }

private:
    const std::uint8_t* pos_;
    const std::uint8_t* end_;
    const std::uint8_t* value_ = nullptr;
};

namespace detail {

inline std::size_t takeVarint(const std::uint8_t*& pos) {
    std::size_t value = 0;
    for (int shift = 0;; shift += 7) {
        const std::uint8_t byte = *pos++;
        value |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80)) return value;
    }
}

template <typename T>
T take(const std::uint8_t*& pos) {
    T value;
    std::memcpy(&value, pos, sizeof(T));
    pos += sizeof(T);
    return value;
}

}  // namespace detail

// Inline: every save, selection and move walks millions of groups.
inline bool GroupReader::next(Group& g) {
    if (pos_ >= end_) return false;
    const auto word = detail::take<std::uint16_t>(pos_);
    g.code = static_cast<int>(word & 0x0FFF) - detail::kCodeBias;
    g.flat = (word & detail::kFlatFlag) != 0;
    g.kind = groupKind(g.code);
    if (word & detail::kZeroFlag) {
        g.xyz[0] = g.xyz[1] = g.xyz[2] = 0.0;
        g.integer = 0;
        value_ = nullptr;
        return true;
    }
    value_ = pos_;
    switch (g.kind) {
    case GroupKind::String: {
        g.pooled = (word & detail::kPooledFlag) != 0;
        if (g.pooled) {
            g.text = detail::pooledName(static_cast<std::uint32_t>(detail::takeVarint(pos_)));
            break;
        }
        const std::size_t length = detail::takeVarint(pos_);
        g.text = std::string_view(reinterpret_cast<const char*>(pos_), length);
        pos_ += length;
        break;
    }
    case GroupKind::Real:
        g.xyz[0] = detail::take<double>(pos_);
        break;
    case GroupKind::Point:
        g.xyz[0] = detail::take<double>(pos_);
        g.xyz[1] = detail::take<double>(pos_);
        g.xyz[2] = g.flat ? 0.0 : detail::take<double>(pos_);
        break;
    case GroupKind::Int16:
        g.integer = detail::take<std::int16_t>(pos_);
        break;
    case GroupKind::Int32:
        g.integer = detail::take<std::int32_t>(pos_);
        break;
    case GroupKind::Int64:
        g.integer = detail::take<std::int64_t>(pos_);
        break;
    }
    return true;
}

// Convenience for the non-hot paths.
std::vector<Group> decodeGroups(std::span<const std::uint8_t> bytes);
// The same into `out`, replacing what it held but keeping its storage.
void decodeGroups(std::span<const std::uint8_t> bytes, std::vector<Group>& out);
const Group* findGroup(const std::vector<Group>& groups, int code);

}  // namespace zcad

#pragma GCC visibility pop
