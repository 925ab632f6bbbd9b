// Numbers read in the manner of the suite's sscanf formats ("%d ,%f ,%lx"):
// each conversion skips leading white space; a failed one ends the scan.
#pragma once

#include <cstdint>
#include <string_view>

namespace zafiles {

class Scan {
public:
    explicit Scan(std::string_view text) : rest_(text) {}

    bool integer(std::int32_t& value);  // %d, saturating
    bool real(double& value);           // %f
    bool hex(std::uint32_t& value);     // %lx of a 32-bit long
    bool literal(char c);               // " ," : white space, then c

    std::string_view rest() const { return rest_; }

private:
    void skipSpace();

    std::string_view rest_;
};

}  // namespace zafiles
