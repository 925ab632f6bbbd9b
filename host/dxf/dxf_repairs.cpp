#include "dxf_repairs.h"

#include <algorithm>

namespace zcad::dxf {

namespace {

constexpr const char* kRecurring[] = {
    "empty handle (group 5), a new one given",
    "point groups out of their usual order (x, x, y), each gathered to its point",
    "16-bit value written unsigned, read as signed",
};

}  // namespace

void RepairLog::count(Recurring kind, std::size_t line) {
    Tally& tally = tallies_[static_cast<std::size_t>(kind)];
    if (tally.count++ == 0) tally.first = line;
}

bool RepairLog::empty() const {
    return notes_.empty() && std::all_of(tallies_.begin(), tallies_.end(), [](const Tally& t) { return t.count == 0; });
}

std::vector<std::string> RepairLog::lines() const {
    auto all = notes_;
    for (std::size_t kind = 0; kind < tallies_.size(); ++kind) {
        const Tally& tally = tallies_[kind];
        if (tally.count == 0) continue;
        std::string text = kRecurring[kind];
        if (tally.count > 1) text += " (and " + std::to_string(tally.count - 1) + " more like it)";
        all.emplace_back(tally.first, std::move(text));
    }
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> out;
    out.reserve(all.size());
    for (const auto& [line, text] : all) {
        out.push_back((binary_ ? "byte " : "line ") + std::to_string(line) + ": " + text);
    }
    return out;
}

}  // namespace zcad::dxf
