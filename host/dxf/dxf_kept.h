// What a loaded drawing keeps to be written back as it was: sections and
// tables the host does not serve, paper-space entities and where they stood
// in drawing order, comments, the release and the text encoding.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dxf_text.h"
#include "zcad/database.h"
#include "zcad/dxf.h"

namespace zcad::dxf {

// Groups kept as the file spelt them, in one text pool.
struct RawGroup {
    int code;
    std::uint32_t length;
    std::uint64_t offset;
};

class RawStore {
public:
    void add(int code, std::string_view value);
    std::size_t size() const { return groups_.size(); }
    int code(std::size_t i) const { return groups_[i].code; }
    std::string_view value(std::size_t i) const {
        return std::string_view(text_).substr(groups_[i].offset, groups_[i].length);
    }

private:
    std::string text_;
    std::vector<RawGroup> groups_;
};

// A run of kept groups [first, first + count).
struct RawRange {
    std::size_t first = 0;
    std::size_t count = 0;
};

// A table as found in TABLES: the host's LAYER, STYLE and LTYPE live in the
// database; the others are kept whole (from the groups after "2 NAME" to
// before "0 ENDTAB"). A 999 comment between tables is kept in its place
// as an entry of its own.
struct KeptTable {
    std::string name;  // upper case
    bool inDatabase = false;
    RawRange raw;
    bool comment = false;
};

enum class ItemKind { Header, Tables, Entities, Section, Comment };

// Top-level order of the file.
struct KeptItem {
    ItemKind kind;
    std::string name;  // section name
    RawRange raw;      // a kept section's groups after "2 NAME", or the comment
};

// A paper-space entity, or a 999 comment between entities, written just
// before the model-space entity that followed it in the file (or at the
// end of the loaded entities).
struct KeptEntity {
    EntityId before;
    RawRange raw;  // from its "0 TYPE" group on, or the comment
};

class DxfKept : public KeptContent {
public:
    DxfVersion version = DxfVersion::R12;  // structure: R12, or R13 and later
    bool laterThanR12 = false;
    std::string acadver = "AC1009";        // as the file named it
    TextEncoding encoding = TextEncoding::Ansi;
    bool crlf = false;
    bool hadHandles = false;               // an R12 file may go without

    RawStore raw;
    std::vector<KeptItem> items;
    std::vector<RawRange> headerComments;  // 999 groups before the first variable
    std::vector<KeptTable> tables;
    std::vector<KeptEntity> keptEntities;

    // Angles whose degrees the shortest spelling of their radians would not
    // give back, by the bits of the radians: rare, so kept aside.
    std::unordered_map<std::uint64_t, double> degreesAsRead;

    // What the reader repaired, one line each; empty for a sound file.
    std::vector<std::string> repairs;

    EntityId loadedEntities = 0;
    std::uint64_t entityDigest = 0;  // of the loaded entity lists, to see edits
    std::uint64_t largestHandle = 0;
};

// A digest of every entity list and handle, to tell whether the host
// changed the drawing's entities since it was read.
std::uint64_t entityDigest(const Database& db);

}  // namespace zcad::dxf
