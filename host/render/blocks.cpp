#include "blocks.h"

#include <charconv>
#include <new>

#include "../dxf/dxf_kept.h"
#include "zcad/dxf.h"
#include "zcad/text.h"

namespace zcad::render {

namespace {

double number(std::string_view text) {
    text = trimmed(text);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

bool isWord(std::string_view value, std::string_view word) { return equalNoCase(trimmed(value), word); }

}  // namespace

BlockLibrary::BlockLibrary(const Database& drawing) : drawing_(drawing) { index(); }

// BLOCK, its own groups up to the first entity, the entities, ENDBLK.
void BlockLibrary::index() {
    const auto* kept = dynamic_cast<const dxf::DxfKept*>(drawing_.kept.get());
    if (!kept) return;
    const dxf::RawStore& raw = kept->raw;
    for (const dxf::KeptItem& item : kept->items) {
        if (item.kind != dxf::ItemKind::Section || !equalNoCase(item.name, "BLOCKS")) continue;
        const std::size_t end = item.raw.first + item.raw.count;
        Source* open = nullptr;
        bool inHeader = false;
        for (std::size_t i = item.raw.first; i < end; ++i) {
            const int code = raw.code(i);
            const std::string_view value = raw.value(i);
            if (code == 0 && isWord(value, "BLOCK")) {
                open = nullptr;
                inHeader = true;
                Source source;
                source.first = i + 1;
                // The name comes among the header groups; the block is filed when it does.
                for (std::size_t k = i + 1; k < end && raw.code(k) != 0; ++k) {
                    if (raw.code(k) == 2) {
                        open = &sources_[upperCase(trimmed(raw.value(k)))];
                        *open = Source{};
                    }
                }
                continue;
            }
            if (!open) continue;
            if (code == 0 && inHeader) {
                inHeader = false;
                open->first = i;
            }
            if (code == 0 && isWord(value, "ENDBLK")) {
                open->count = i - open->first;
                open = nullptr;
                continue;
            }
            if (!inHeader) continue;
            if (code >= 10 && code <= 30 && code % 10 == 0) open->base[code / 10 - 1] = number(value);
        }
    }
}

// Through the DXF reader, so that block entities are held as the drawing's
// own are: points gathered, angles in radians, text decoded.
void BlockLibrary::read(Source& source) {
    source.read = true;
    const auto* kept = dynamic_cast<const dxf::DxfKept*>(drawing_.kept.get());
    if (!kept || source.count == 0) return;
    std::string text = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\n" + kept->acadver + "\n";
    if (const HeaderVar* page = drawing_.headerVar("$DWGCODEPAGE"); page && !page->groups.empty()) {
        text += "9\n$DWGCODEPAGE\n3\n" + page->groups.front().text + "\n";
    }
    text += "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
    for (std::size_t i = source.first; i < source.first + source.count; ++i) {
        text += std::to_string(kept->raw.code(i));
        text += '\n';
        text += kept->raw.value(i);
        text += '\n';
    }
    text += "0\nENDSEC\n0\nEOF\n";
    std::string error;
    source.block.entities = readDxfText(text, error);
    for (int k = 0; k < 3; ++k) source.block.base[k] = source.base[k];
}

const Block* BlockLibrary::find(std::string_view name) {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto it = sources_.find(upperCase(trimmed(name)));
    if (it == sources_.end()) return nullptr;
    if (!it->second.read) read(it->second);
    return it->second.block.entities ? &it->second.block : nullptr;
}

}  // namespace zcad::render
