// The repairs a forgiving read makes, each reported as one line that names
// where it was made, as a CAD program's AUDIT does.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace zcad::dxf {

class RepairLog {
public:
    // Repairs that recur through a file: the first is named, the rest counted.
    enum class Recurring { EmptyHandle, PointOrder, Unsigned16 };

    void setBinary(bool binary) { binary_ = binary; }
    void note(std::size_t line, std::string text) { notes_.emplace_back(line, std::move(text)); }
    void count(Recurring kind, std::size_t line);
    bool empty() const;
    // In file order.
    std::vector<std::string> lines() const;

private:
    struct Tally {
        std::size_t first = 0;
        std::size_t count = 0;
    };
    bool binary_ = false;
    std::vector<std::pair<std::size_t, std::string>> notes_;
    std::array<Tally, 3> tallies_{};
};

}  // namespace zcad::dxf
