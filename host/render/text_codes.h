// The characters host text shows. Host text is Windows-1252 bytes; a
// drawing spells other characters "\U+XXXX" (UTF-16 units, so a pair for
// what lies past U+FFFF) or, in older drawings, "\M+nXXXX" (a double-byte
// character of an East Asian code page n).
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "zcad/text.h"

namespace zcad::render {

// An escape at `text[i]`: the character, and how many bytes it takes; 0
// when there is none there.
std::size_t unicodeEscape(std::string_view text, std::size_t i, char32_t& c);

// Each character of host text as an XML document may hold it: escapes
// decoded, control characters left out, and the two non-characters an
// escape may spell replaced by U+FFFD.
template <class Each>
void forEachXmlChar(std::string_view hostText, Each each) {
    for (std::size_t i = 0; i < hostText.size();) {
        char32_t c = 0;
        if (const std::size_t length = unicodeEscape(hostText, i, c)) {
            i += length;
        } else {
            c = cp1252::unicodeOf(static_cast<unsigned char>(hostText[i++]));
        }
        if (c < 0x20) continue;
        if (c == 0xFFFE || c == 0xFFFF) c = 0xFFFD;
        each(c);
    }
}

// One character of a single-line text, with the over- and underscore that
// %%o and %%u switch.
struct LineChar {
    char32_t c = 0;
    bool over = false;
    bool under = false;
};

// A single-line text (TEXT, ATTRIB) as it shows: %%d, %%p, %%c, %%% and
// %%nnn one character each, %%o and %%u switches, escapes decoded.
void lineChars(std::string_view text, std::vector<LineChar>& out);

}  // namespace zcad::render
