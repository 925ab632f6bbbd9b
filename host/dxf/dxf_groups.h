// Typed groups from DXF tokens and back: points gathered from their x, y
// and z groups, numbers checked, angles in radians on the host's side, text
// in the host's encoding.
#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

#include "dxf_scanner.h"
#include "dxf_text.h"
#include "zcad/group_list.h"

namespace zcad::dxf {

// Which groups of an entity type are angles; looked up once per type.
class AngleTable {
public:
    using Codes = std::bitset<1072>;
    const Codes& of(std::string_view type);

private:
    struct Entry {
        std::string type;
        Codes codes;
    };
    std::vector<Entry> entries_;
    std::size_t last_ = 0;
};

// Whether `code` is an angle by `codes`; any code, negative ones included.
inline bool isAngleCode(const AngleTable::Codes& codes, int code) {
    return code >= 0 && static_cast<std::size_t>(code) < codes.size() && codes[static_cast<std::size_t>(code)];
}

// What readGroup let pass that a forgiving reader reports.
struct GroupLeniency {
    // Set instead of refusing when a point's x is not followed by its y:
    // the x is in `g` and the group after it was pushed back.
    bool yElsewhere = false;
    // A 16-bit value written unsigned (32768 to 65535), read as signed.
    bool unsigned16 = false;
};

// Reads the value of `token` (and, for a point, the y and z groups after
// it) into `g`. `g.text` may point into `scratch`. False on bad input, with
// the scanner's error set, or with `leniency->yElsewhere` set.
bool readGroup(Scanner& scanner, const Token& token, TextEncoding encoding, std::string& scratch, Group& g,
               GroupLeniency* leniency = nullptr);

}  // namespace zcad::dxf
