#include "dxf_kept.h"

#include <cstring>

namespace zcad::dxf {

void RawStore::add(int code, std::string_view value) {
    groups_.push_back({code, static_cast<std::uint32_t>(value.size()), text_.size()});
    text_.append(value);
}

std::uint64_t entityDigest(const Database& db) {
    // FNV-style mixing a word at a time: cheap next to parsing or formatting.
    std::uint64_t h = 0xcbf29ce484222325ull;
    const auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 0x100000001b3ull; };
    for (EntityId id = 0; id < db.entityCount(); ++id) {
        mix(db.valid(id) ? db.handle(id) : ~0ull);
        if (!db.valid(id)) continue;
        const auto bytes = db.list(id);
        std::size_t i = 0;
        for (; i + 8 <= bytes.size(); i += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes.data() + i, 8);
            mix(word);
        }
        for (; i < bytes.size(); ++i) mix(bytes[i]);
        mix(bytes.size());
    }
    return h;
}

}  // namespace zcad::dxf

namespace zcad {

std::vector<std::string> dxfRepairs(const Database& db) {
    const auto* kept = dynamic_cast<const dxf::DxfKept*>(db.kept.get());
    return kept ? kept->repairs : std::vector<std::string>();
}

}  // namespace zcad
