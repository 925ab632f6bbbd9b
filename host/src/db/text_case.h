// Names in the host (tables, commands, entity types) compare without regard
// to case, as the host's do.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace zcad {

inline std::string upperCase(std::string_view text) {
    std::string out(text);
    for (auto& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

inline bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}

}  // namespace zcad
