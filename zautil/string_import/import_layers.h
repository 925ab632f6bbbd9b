// The layers of a string import: each record's layer derived from its code
// and notes (through the layer map when one is in force), the layer created
// when the drawing lacks it, and the list of layers created for colouring.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "string_import/layer_map.h"
#include "string_import/layer_name_rules.h"

namespace zastringimport {

class ImportLayers {
public:
    // Slot 0 holds "0"; layers created after the first 251 are not kept.
    static constexpr std::size_t kCreatedSlots = 252;

    // The map must outlive this.
    ImportLayers(const LayerNameRules& rules, const LayerMap& map);

    // The layer of a record's code-and-notes text, which exists in the
    // drawing once this returns (unless the layer table is closed to us).
    // Valid until the next call.
    const std::string& layerOf(std::string_view text);

    const std::vector<std::string>& created() const { return created_; }

private:
    const std::string& derive();
    void create(const std::string& name);

    const LayerNameRules rules_;
    const LayerMap& map_;
    // Records come in runs of the same text and a few dozen codes: the last
    // text and every clean code name seen are remembered with their layer,
    // so a million records derive and create a layer only a few times.
    std::string lastText_;
    const std::string* lastLayer_ = nullptr;
    std::string cleaned_;
    std::string lowered_;
    std::unordered_map<std::string, std::string> byCleanName_;
    std::vector<std::string> created_;
};

}  // namespace zastringimport
