#include "reg_document.h"

#include <algorithm>

namespace zplat::reg {

namespace {

// Windows folds case over the whole code page; for Windows-1252 that is ASCII
// plus the accented capitals 0xC0-0xDE (but not the multiplication sign).
unsigned char fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    return c;
}

Section* findSection(Document& doc, std::string_view path) {
    for (auto& s : doc.sections)
        if (!s.deletion && sameName(s.path, path)) return &s;
    return nullptr;
}

const Section* findSection(const Document& doc, std::string_view path) {
    for (const auto& s : doc.sections)
        if (!s.deletion && sameName(s.path, path)) return &s;
    return nullptr;
}

}  // namespace

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(static_cast<unsigned char>(a[i])) != fold(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool keyExists(const Document& doc, std::string_view path) {
    for (const auto& s : doc.sections) {
        if (s.deletion || s.path.size() < path.size()) continue;
        if (!sameName(std::string_view(s.path).substr(0, path.size()), path)) continue;
        if (s.path.size() == path.size() || s.path[path.size()] == '\\') return true;
    }
    return false;
}

const Value* findValue(const Document& doc, std::string_view path, std::string_view name) {
    const Section* s = findSection(doc, path);
    if (!s) return nullptr;
    for (const auto& e : s->entries)
        if (e.value && sameName(e.value->name, name)) return &*e.value;
    return nullptr;
}

bool createKey(Document& doc, std::string_view path) {
    if (keyExists(doc, path)) return false;
    doc.sections.push_back(Section{std::string(path), false, {}});
    return true;
}

void setValue(Document& doc, std::string_view path, Value value) {
    Section* s = findSection(doc, path);
    if (!s) {
        doc.sections.push_back(Section{std::string(path), false, {}});
        s = &doc.sections.back();
    }
    for (auto& e : s->entries) {
        if (e.value && sameName(e.value->name, value.name)) {
            value.name = e.value->name;  // keep the spelling the file has
            e.value = std::move(value);
            return;
        }
    }
    s->entries.push_back(Entry{std::move(value), {}});
}

bool deleteValue(Document& doc, std::string_view path, std::string_view name) {
    Section* s = findSection(doc, path);
    if (!s) return false;
    const auto it = std::find_if(s->entries.begin(), s->entries.end(), [&](const Entry& e) {
        return e.value && sameName(e.value->name, name);
    });
    if (it == s->entries.end()) return false;
    s->entries.erase(it);
    return true;
}

}  // namespace zplat::reg
