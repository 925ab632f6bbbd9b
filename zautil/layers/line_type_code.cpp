#include "layers/line_type_code.h"

#include <array>

namespace {

struct Named {
    std::string_view name;
    int code;
};

constexpr std::array<Named, 7> kCodes = {{
    {"CONTINUOUS", 1},
    {"CENTRE", 2},
    {"DASHED", 3},
    {"HIDDEN", 4},
    {"DASHDOT", 5},
    {"DASHDOTDOT", 6},
    {"HIDDEN2", 7},
}};

}  // namespace

int zaLineTypeCode(std::string_view linetypeName) {
    for (const Named& named : kCodes) {
        if (named.name == linetypeName) return named.code;
    }
    return 1;
}
