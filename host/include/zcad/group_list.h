// Entity and table lists held compactly: each group is a 16-bit code word
// followed by its value, encoded by the value kind that the DXF group code
// implies. This is the host's storage form; resbuf lists are only made at
// the API boundary.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#pragma GCC visibility push(default)

namespace zcad {

enum class GroupKind : std::uint8_t { String, Real, Point, Int16, Int32, Int64 };

// The value kind of a DXF group code (by the code ranges of the DXF reference).
// Codes with no defined kind are kept as strings.
GroupKind groupKind(int code);

// True for the angle groups that an entity list carries in radians and a DXF
// file in degrees, for the given entity type (upper case).
bool isAngleGroup(std::string_view entityType, int code);

// One decoded group. `text` points into the list it was read from.
struct Group {
    int code = 0;
    GroupKind kind = GroupKind::String;
    bool flat = false;  // a point written with x and y only
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
    void codeWord(int code, bool flat);
    std::vector<std::uint8_t>& out_;
};

// Walks an encoded list. The bytes must come from GroupWriter.
class GroupReader {
public:
    explicit GroupReader(std::span<const std::uint8_t> bytes) : pos_(bytes.data()), end_(bytes.data() + bytes.size()) {}
    bool next(Group& g);

private:
    const std::uint8_t* pos_;
    const std::uint8_t* end_;
};

// Convenience for the non-hot paths.
std::vector<Group> decodeGroups(std::span<const std::uint8_t> bytes);
// The same into `out`, replacing what it held but keeping its storage.
void decodeGroups(std::span<const std::uint8_t> bytes, std::vector<Group>& out);
const Group* findGroup(const std::vector<Group>& groups, int code);

}  // namespace zcad

#pragma GCC visibility pop
