// The registry store as it stands in its .reg file: sections in file order,
// each with its values and comment lines, so that whatever we do not use is
// written back as it was read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zplat::reg {

struct Value {
    enum class Kind { Dword, String, Raw };
    std::string name;  // empty: the key's default value ("@")
    Kind kind = Kind::String;
    std::uint32_t dword = 0;
    // String: the text. Raw: the data after '=' as written (hex forms,
    // deletions), continuation lines joined by '\n'.
    std::string text;

    bool operator==(const Value&) const = default;
};

// A value line or a line kept verbatim (a comment).
struct Entry {
    std::optional<Value> value;
    std::string line;

    bool operator==(const Entry&) const = default;
};

struct Section {
    std::string path;      // full path with its root, e.g. HKEY_CURRENT_USER\Software
    bool deletion = false; // [-path]: kept, never looked into
    std::vector<Entry> entries;

    bool operator==(const Section&) const = default;
};

struct Document {
    std::vector<std::string> preamble;  // comment lines before the first section
    std::vector<Section> sections;

    bool operator==(const Document&) const = default;
};

// Key and value names compare without regard to case, as Windows does.
bool sameName(std::string_view a, std::string_view b);

// A key exists when a section names it or a key below it.
bool keyExists(const Document& doc, std::string_view path);
const Value* findValue(const Document& doc, std::string_view path, std::string_view name);

// Adds sections for the key (its parents are implied); true when it was new.
bool createKey(Document& doc, std::string_view path);
// Sets the value in the key's section, in place when it is there already.
void setValue(Document& doc, std::string_view path, Value value);
bool deleteValue(Document& doc, std::string_view path, std::string_view name);

}  // namespace zplat::reg
