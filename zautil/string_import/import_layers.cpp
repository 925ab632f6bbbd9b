#include "string_import/import_layers.h"

#include "arx/acedads.h"
#include "files/text_rules.h"
#include "shell/layer_create.h"

namespace zastringimport {
namespace {

// Enough for any run of codes; a file of more distinct names than this is
// still right, only slower, as the cache starts again.
constexpr std::size_t kCacheLimit = 4096;

}  // namespace

ImportLayers::ImportLayers(const LayerNameRules& rules, const LayerMap& map) : rules_(rules), map_(map) {
    created_.reserve(kCreatedSlots);
    created_.emplace_back("0");
}

const std::string& ImportLayers::layerOf(std::string_view text) {
    if (lastLayer_ && text == lastText_) return *lastLayer_;
    lastText_.assign(text);
    cleanCodeName(text, rules_, cleaned_);
    lastLayer_ = &derive();
    return *lastLayer_;
}

const std::string& ImportLayers::derive() {
    if (const auto known = byCleanName_.find(cleaned_); known != byCleanName_.end()) return known->second;
    if (byCleanName_.size() >= kCacheLimit) byCleanName_.clear();
    std::string layer = cleaned_;
    if (map_.inForce()) {
        lowered_ = cleaned_;
        zafiles::lowerInPlace(lowered_);
        const std::string* mapped = map_.find(lowered_);
        cleanMapValue(mapped ? std::string_view(*mapped) : std::string_view("0"), rules_, layer);
    }
    create(layer);
    return byCleanName_.emplace(cleaned_, std::move(layer)).first->second;
}

void ImportLayers::create(const std::string& name) {
    // NUL names the null device where the suite runs: never a layer of ours.
    if (name == "NUL") return;
    const ZaLayerMade made = zaEnsureLayer(name);
    if (made == ZaLayerMade::Refused) acutPrintf("error creating layer\n");
    if (made == ZaLayerMade::Added && created_.size() < kCreatedSlots) created_.push_back(name);
}

}  // namespace zastringimport
