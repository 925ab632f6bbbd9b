// Layer map files (.map): lines of the form "key" = LAYER that send the
// plot codes matching a wildcard key to a layer of the map's choosing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/line_reader.h"
#include "string_import/layer_name_rules.h"

namespace zastringimport {

struct LayerMapEntry {
    std::string key;    // a wildcard pattern, lower case
    std::string layer;  // a clean layer name
};

class LayerMap {
public:
    void add(std::string key, std::string layer) { entries_.push_back({std::move(key), std::move(layer)}); }
    // A map is in force once it holds an entry.
    bool inForce() const { return !entries_.empty(); }
    std::size_t size() const { return entries_.size(); }

    // The layer of the first key that matches a lower-case name, trying
    // the file's later lines first, so that the last matching line wins;
    // null when none matches.
    const std::string* find(const std::string& lowerName) const;

    // The entries in the order the lookup tries them.
    template <class Visit>
    void forEachInLookupOrder(Visit visit) const {
        for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) visit(*entry);
    }

private:
    std::vector<LayerMapEntry> entries_;  // in file order
};

struct LayerMapRead {
    enum class Outcome {
        Read,
        BadLine,  // a key without a value within the maximum size
    };
    Outcome outcome = Outcome::Read;
    int line = 0;  // where reading stopped, counted from 0
};

// Called with each line read and taken (or passed over), before the next.
using LineEcho = void (*)(int number, const std::string& line);

// Reads map lines until the end or a bad line; the entries before a bad
// line stay in the map.
LayerMapRead readLayerMap(zafiles::LineReader& lines, const LayerNameRules& rules, LayerMap& map,
                          LineEcho echo = nullptr);

// Reads the map file that the map preference chooses, telling the user
// what it reads: 0 none (false), 1 asked for with a file dialog starting in
// the job's directory (a cancel is no map, but true), 2 or 3 the stored path.
bool LoadLayerMapFile(int preference, const std::string& storedPath, const std::string& jobDirectory,
                      const LayerNameRules& rules, LayerMap& map);

}  // namespace zastringimport
