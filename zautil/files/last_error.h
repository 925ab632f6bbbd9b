// A command's last-error text: narrow and at most 255 characters, the size
// the suite's callers hold.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zafiles {

inline constexpr std::size_t kLastErrorLimit = 255;

inline void setLastError(std::string& target, std::string_view text) {
    target.assign(text.substr(0, kLastErrorLimit));
}

}  // namespace zafiles
